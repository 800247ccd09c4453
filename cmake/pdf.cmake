# velko-rechnen --pdf: the plot through Ghostscript, and the refusal before
# any computing when Ghostscript is missing (PATH without it).
find_program(VELKO_GS gs)
if(VELKO_GS)
  add_test(NAME rechnen_pdf_rahmen
    COMMAND sh -c "\"$1\" --katalog \"$2\" --pdf \"$3\" --seiten system,moment \"$4\" >/dev/null 2>&1 && head -c 5 \"$3\" && echo && grep -ac '/Count 2' \"$3\""
            sh $<TARGET_FILE:velko-rechnen> ${CMAKE_SOURCE_DIR}/daten/verwaltung
            ${CMAKE_CURRENT_BINARY_DIR}/rahmen_pdf_test.pdf ${CMAKE_SOURCE_DIR}/beispiele/rahmen.sysdat)
  set_tests_properties(rechnen_pdf_rahmen PROPERTIES LABELS e2e PASS_REGULAR_EXPRESSION "^%PDF-\n1\n$")
endif()
add_test(NAME rechnen_pdf_ohne_ghostscript
  COMMAND sh -c "PATH=/nonexistent \"$1\" --katalog \"$2\" --pdf \"$3\" \"$4\" 2>&1; echo \"Status $?\""
          sh $<TARGET_FILE:velko-rechnen> ${CMAKE_SOURCE_DIR}/daten/verwaltung
          ${CMAKE_CURRENT_BINARY_DIR}/ohne_gs.pdf ${CMAKE_SOURCE_DIR}/beispiele/rahmen.sysdat)
set_tests_properties(rechnen_pdf_ohne_ghostscript PROPERTIES LABELS e2e
  PASS_REGULAR_EXPRESSION "^velko-rechnen: Ghostscript \\(gs\\) nicht gefunden, PDF nicht erzeugt !\nStatus 2\n$")
