# End-to-end tests driven through the accessibility tree; skipped (77) where the accessibility bus
# cannot be started. A whole drill, and a drill followed by the review window and a review.
add_test(NAME e2e_atspi_drill COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/atspi-drill.py $<TARGET_FILE:pikutora>)
add_test(NAME e2e_atspi_review
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/atspi-review.py $<TARGET_FILE:pikutora> $<TARGET_FILE:pikutora-export>)
set_tests_properties(e2e_atspi_drill e2e_atspi_review PROPERTIES LABELS e2e RESOURCE_LOCK x11 TIMEOUT 180 SKIP_RETURN_CODE 77
                     ENVIRONMENT PYTHONDONTWRITEBYTECODE=1)
