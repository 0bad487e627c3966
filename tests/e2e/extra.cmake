# Print jobs checked against the PDF the PDF printer writes.
set(_pc ${CMAKE_CURRENT_SOURCE_DIR}/e2e/print_check.sh)
add_test(NAME PrintE2E.WholeSectionOnPagesWithHeaders
  COMMAND bash ${_pc} ${CMAKE_BINARY_DIR} $<TARGET_FILE:test_e2e> PrintJob.DISABLED_WholeSection
          "pages>1" "page 1: ^C:.prt.lines\\.txt +- +Page 1" "page 2: ^C:.prt.lines\\.txt +- +Page 2" "page 1: Line number 1 of"
          "Line number 200 of")
# Every line exactly once, in order.
set(_order "")
foreach(i RANGE 1 200)
  string(APPEND _order "${i} ")
endforeach()
string(STRIP "${_order}" _order)
set_tests_properties(PrintE2E.WholeSectionOnPagesWithHeaders PROPERTIES RESOURCE_LOCK printer TIMEOUT 180
  ENVIRONMENT "CHECK_ORDER=${_order}")
add_test(NAME PrintE2E.PageBeginsAtTheFirstVisibleLine
  COMMAND bash ${_pc} ${CMAKE_BINARY_DIR} $<TARGET_FILE:test_e2e> PrintJob.DISABLED_PageFromLine100
          "pages=1" "page 1: ^C:.prt.lines\\.txt +- +Page 1" "page 1: Line number 100 of")
set_tests_properties(PrintE2E.PageBeginsAtTheFirstVisibleLine PROPERTIES RESOURCE_LOCK printer TIMEOUT 180)
add_test(NAME PrintE2E.CancelledJobPrintsNothing
  COMMAND bash ${_pc} ${CMAKE_BINARY_DIR} $<TARGET_FILE:test_e2e> PrintJob.DISABLED_CancelledWholeSection nojob)
set_tests_properties(PrintE2E.CancelledJobPrintsNothing PROPERTIES RESOURCE_LOCK printer TIMEOUT 180)
add_test(NAME PrintE2E.CloseWhilePrintingPrintsNothing
  COMMAND bash ${_pc} ${CMAKE_BINARY_DIR} $<TARGET_FILE:test_e2e> PrintJob.DISABLED_ClosedWhilePrinting nojob)
set_tests_properties(PrintE2E.CloseWhilePrintingPrintsNothing PROPERTIES RESOURCE_LOCK printer TIMEOUT 180)
