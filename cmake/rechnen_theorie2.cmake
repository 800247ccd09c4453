# velko-rechnen by second-order theory: the listing of the frame (the same
# with 10 divisions), the load above the critical load, the critical load
# factor alone, and every bundled example.
velko_rechnen_test(theorie2_rahmen
  ARGS --katalog ${rechnen_katalog} --theorie2 rahmen.sysdat
  OPTIONEN RC=0 VORLAGE=${rechnen_daten}/rahmen_theorie2.list VERZEICHNIS=${rechnen_daten}
           "FEHLER_TEXT=-> System nach Theorie II.Ordnung berechnet !"
           "AUSGABE_TEXT=  Verzweigungslastfaktor : 125.115")
velko_rechnen_test(theorie2_zehn_teilungen
  ARGS --katalog ${rechnen_katalog} --theorie2 --stabteilungen 10 --liste {ARBEIT}/r.list rahmen.sysdat
  OPTIONEN RC=0 LISTE=r.list VORLAGE=${rechnen_daten}/rahmen_theorie2.list VERZEICHNIS=${rechnen_daten})
# The dead load 200 times: above the critical load, the old listing stays.
velko_rechnen_test(theorie2_instabil
  ARGS --katalog ${rechnen_katalog} --theorie2 --liste {ARBEIT}/alt.list {ARBEIT}/abgewandelt.sysdat
  OPTIONEN RC=1 LISTE=alt.list "VORHER=alte Liste"
           "ABWANDLUNG=${rechnen_daten}/rahmen.sysdat|1.000000\\nEigengewicht|200.000000\\nEigengewicht"
           "FEHLER_TEXT=Fehler beim Berechnen ! - System instabil (Belastung")
velko_rechnen_test(verzweigungslast
  ARGS --katalog ${rechnen_katalog} --verzweigungslast ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=0 "AUSGABE_TEXT=125.114777\n" "FEHLER_TEXT=Verzweigungslastfaktor : 125.115")
velko_rechnen_test(verzweigungslast_ohne_liste
  ARGS --katalog ${rechnen_katalog} --verzweigungslast --liste {ARBEIT}/a.list ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=2 "FEHLER_TEXT=--verzweigungslast schreibt nur" "NICHT_TEXT=Kernmodell")

file(GLOB rechnen_beispiele CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/beispiele/*.sysdat)
foreach(beispiel ${rechnen_beispiele})
  get_filename_component(name ${beispiel} NAME_WE)
  velko_rechnen_test(theorie2_beispiel_${name}
    ARGS --katalog ${rechnen_katalog} --theorie2 ${beispiel}
    OPTIONEN RC=0 "FEHLER_TEXT=-> System nach Theorie II.Ordnung berechnet !"
             "AUSGABE_TEXT=  Berechnung nach Theorie II. Ordnung")
endforeach()
