# End-to-end test of a whole drill driven through the accessibility tree; skipped (77) where the
# accessibility bus cannot be started.
add_test(NAME e2e_atspi_drill COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/atspi-drill.py $<TARGET_FILE:pikutora>)
set_tests_properties(e2e_atspi_drill PROPERTIES LABELS e2e RESOURCE_LOCK x11 TIMEOUT 120 SKIP_RETURN_CODE 77)
