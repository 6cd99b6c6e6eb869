# End-to-end test of the result graph window, opened by the main window's Graph button.
add_test(NAME e2e_graph_button
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/graph-e2e.sh $<TARGET_FILE:pikutora> ${CMAKE_CURRENT_BINARY_DIR}/graph-button.png)
set_tests_properties(e2e_graph_button PROPERTIES LABELS e2e RESOURCE_LOCK x11 TIMEOUT 120)
