# The batch program velko-rechnen: reads a system file, computes it and
# writes the listing.  It links only the toolkit-free libraries, so it runs
# without an X display.

add_library(velko_cli STATIC cli/rechnen_optionen.cpp)
target_link_libraries(velko_cli PUBLIC velko_output)
add_executable(velko-rechnen cli/velko_rechnen.cpp)
target_link_libraries(velko-rechnen velko_cli)

# The option parser on its own.
add_executable(test_rechnen tests/cli/rechnen_optionen_test.cpp)
target_link_libraries(test_rechnen velko_cli GTest::gtest GTest::gtest_main)
gtest_discover_tests(test_rechnen DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)

# Listing comparison that forgives round-off in the last printed digit.
add_executable(listenvergleich tests/cli/listenvergleich.cpp)

# End-to-end runs: each one a call of the program and what it must show.
set(rechnen_daten ${CMAKE_SOURCE_DIR}/tests/cli/daten)
set(rechnen_katalog ${CMAKE_SOURCE_DIR}/daten/verwaltung)
function(velko_rechnen_test name)
  cmake_parse_arguments(T "" "" "ARGS;OPTIONEN" ${ARGN})
  set(defs)
  foreach(o ${T_OPTIONEN})
    list(APPEND defs "-D${o}")
  endforeach()
  # Arguments travel as one "|"-separated value into the script.
  string(REPLACE ";" "|" args "${T_ARGS}")
  add_test(NAME rechnen_${name}
    COMMAND ${CMAKE_COMMAND}
      -DPROGRAMM=$<TARGET_FILE:velko-rechnen>
      -DVERGLEICH=$<TARGET_FILE:listenvergleich>
      -DARBEIT=${CMAKE_CURRENT_BINARY_DIR}/rechnen_tests/${name}
      "-DARGS=${args}" ${defs}
      -P ${CMAKE_SOURCE_DIR}/tests/cli/rechnen_lauf.cmake)
  set_tests_properties(rechnen_${name} PROPERTIES LABELS e2e)
endfunction()

velko_rechnen_test(rahmen_standardausgabe
  ARGS --katalog ${rechnen_katalog} rahmen.sysdat
  OPTIONEN RC=0 VORLAGE=${rechnen_daten}/rahmen.list VERZEICHNIS=${rechnen_daten}
           "FEHLER_TEXT=-> System nach Theorie I.Ordnung berechnet !")
velko_rechnen_test(rahmen_dateien_zehn_teilungen
  ARGS --katalog=${rechnen_katalog} --stabteilungen 10 --liste {ARBEIT}/rahmen.list
       --tabelle {ARBEIT}/rahmen.tab rahmen.sysdat
  OPTIONEN RC=0 VERZEICHNIS=${rechnen_daten} LISTE=rahmen.list VORLAGE=${rechnen_daten}/rahmen_10.list
           TABELLE=rahmen.tab TABELLE_VORLAGE=${rechnen_daten}/rahmen.tab)
velko_rechnen_test(katalog_aus_velko_datei
  ARGS rahmen.sysdat
  OPTIONEN RC=0 VERZEICHNIS=${rechnen_daten} VELKO_HOME=${rechnen_katalog}
           VORLAGE=${rechnen_daten}/rahmen.list)
velko_rechnen_test(ohne_velko_datei
  ARGS ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=2 VELKO_HOME=- "FEHLER_TEXT=--katalog VERZEICHNIS")
velko_rechnen_test(kinematisch_behaelt_alte_liste
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/alt.list ${rechnen_daten}/kinematisch.sysdat
  OPTIONEN RC=1 LISTE=alt.list "VORHER=alte Liste"
           "FEHLER_TEXT=Fehler beim Zerlegen der SystemSteifigkeit ! System kinematisch !")
velko_rechnen_test(modellpruefung
  ARGS --katalog ${rechnen_katalog} ${rechnen_daten}/ohne_material.sysdat
  OPTIONEN RC=1 "FEHLER_TEXT=ohne Material !")
velko_rechnen_test(keine_systemdatei
  ARGS --katalog ${rechnen_katalog} ${rechnen_daten}/kein_system.sysdat
  OPTIONEN RC=2 "FEHLER_TEXT=Systembeschreibung" "NICHT_TEXT=Kernmodell")
velko_rechnen_test(abgeschnittene_systemdatei
  ARGS --katalog ${rechnen_katalog} ${rechnen_daten}/abgeschnitten.sysdat
  OPTIONEN RC=2 "NICHT_TEXT=Kernmodell")
velko_rechnen_test(fehlende_systemdatei
  ARGS --katalog ${rechnen_katalog} ${rechnen_daten}/gibt_es_nicht.sysdat
  OPTIONEN RC=2 "FEHLER_TEXT=gibt_es_nicht.sysdat")
velko_rechnen_test(fehlender_katalog
  ARGS --katalog ${rechnen_daten}/kein_katalog ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=2 "FEHLER_TEXT=material.dat" "NICHT_TEXT=Kernmodell")
velko_rechnen_test(liste_nicht_schreibbar
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/fehlt/a.list ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=2 "FEHLER_TEXT=fehlt/a.list" "NICHT_TEXT=Kernmodell")
velko_rechnen_test(falsche_stabteilungen
  ARGS --stabteilungen 0 ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=2 "FEHLER_TEXT=--stabteilungen")
velko_rechnen_test(ohne_argumente
  OPTIONEN RC=2 "FEHLER_TEXT=keine Systemdatei angegeben")
velko_rechnen_test(hilfe
  ARGS --hilfe
  OPTIONEN RC=0 "AUSGABE_TEXT=Aufruf: velko-rechnen [Optionen] SYSTEMDATEI")

# Generated frames: a writer for timings, and one run on a 10-bay, 5-storey
# frame that must list every one of its 105 bars.
add_executable(rahmen-schreiben tests/cli/rahmen_schreiben.cpp)
target_link_libraries(rahmen-schreiben velko_rahmen velko_files)
# The work folder may not exist yet when this runs first in a fresh build.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/rechnen_tests)
add_test(NAME rechnen_rahmen_erzeugen
  COMMAND rahmen-schreiben 10 5 ${CMAKE_CURRENT_BINARY_DIR}/rechnen_tests/rahmen_10x5.sysdat)
set_tests_properties(rechnen_rahmen_erzeugen PROPERTIES LABELS e2e FIXTURES_SETUP rahmen_10x5)
velko_rechnen_test(erzeugter_rahmen
  ARGS --katalog ${rechnen_katalog} --stabteilungen 10
       ${CMAKE_CURRENT_BINARY_DIR}/rechnen_tests/rahmen_10x5.sysdat
  OPTIONEN RC=0 "AUSGABE_TEXT=   Nummer : 104  ")
set_tests_properties(rechnen_erzeugter_rahmen PROPERTIES FIXTURES_REQUIRED rahmen_10x5)

# Every bundled example computes and is listed.
file(GLOB rechnen_beispiele CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/beispiele/*.sysdat)
foreach(beispiel ${rechnen_beispiele})
  get_filename_component(name ${beispiel} NAME_WE)
  velko_rechnen_test(beispiel_${name}
    ARGS --katalog ${rechnen_katalog} ${beispiel}
    OPTIONEN RC=0 "FEHLER_TEXT=-> System nach Theorie I.Ordnung berechnet !"
             "AUSGABE_TEXT=  Extrema im System :")
endforeach()

# The table alone on standard output, the listing in a file.
velko_rechnen_test(tabelle_auf_standardausgabe
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/r.list --tabelle - ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=0 "AUSGABE_TEXT=Projektname")

# A listing that cannot be written is a failure, not a success.
if(EXISTS /dev/full)
  velko_rechnen_test(standardausgabe_voll
    ARGS --katalog ${rechnen_katalog} ${rechnen_daten}/rahmen.sysdat
    OPTIONEN RC=2 STANDARDAUSGABE=/dev/full "FEHLER_TEXT=Standardausgabe konnte nicht geschrieben")
endif()

# Outputs never destroy an input or one another, and the system file is
# never overwritten by its own listing.
velko_rechnen_test(liste_ueberschreibt_eingabe_nicht
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/./r.sysdat {ARBEIT}/r.sysdat
  OPTIONEN RC=2 LISTE=r.sysdat "VORHER=V 1 alt" "FEHLER_TEXT=die Eingabe"
           "NICHT_TEXT=Kernmodell")
velko_rechnen_test(katalog_ist_keine_ausgabe
  ARGS --katalog ${rechnen_katalog} --ps ${rechnen_katalog}/material.dat ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=2 "FEHLER_TEXT=material.dat" "NICHT_TEXT=Kernmodell")
velko_rechnen_test(zweimal_dieselbe_ausgabe
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/a.list --tabelle {ARBEIT}/./a.list
       ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=2 LISTE=a.list "VORHER=alte Liste" "FEHLER_TEXT=ist zweimal als Ausgabe angegeben !")
# Devices and the standard output are written in place.
velko_rechnen_test(liste_auf_dev_stdout
  ARGS --katalog ${rechnen_katalog} --liste /dev/stdout --tabelle /dev/null ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=0 "AUSGABE_TEXT=  Extrema im System :")

# Input that would be computed as something never entered is refused, and
# results that are no finite numbers are never listed.
set(rahmen ${rechnen_daten}/rahmen.sysdat)
velko_rechnen_test(punktlast_unbekannter_art
  ARGS --katalog ${rechnen_katalog} {ARBEIT}/abgewandelt.sysdat
  OPTIONEN RC=2 "ABWANDLUNG=${rahmen}|0.300000\\n2\\n|0.300000\\n3\\n"
           "FEHLER_TEXT=Punktlast 10000011" "NICHT_TEXT=Kernmodell")
velko_rechnen_test(punktlast_neben_dem_stab
  ARGS --katalog ${rechnen_katalog} {ARBEIT}/abgewandelt.sysdat
  OPTIONEN RC=2 "ABWANDLUNG=${rahmen}|0.500000\\n1\\n|2.000000\\n1\\n"
           "FEHLER_TEXT=Position 2 liegt nicht auf dem Stab" "NICHT_TEXT=Kernmodell")
velko_rechnen_test(ergebnisse_nicht_endlich
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/e.list {ARBEIT}/abgewandelt.sysdat
  OPTIONEN RC=1 LISTE=e.list "VORHER=alte Liste" "FEHLER_TEXT=Ergebnisse nicht endlich"
           "ABWANDLUNG=${rahmen}|Windlast\\n10.000000|Windlast\\n1e308" "NICHT_TEXT=berechnet !")

# Too little memory for the run: an address-space limit, which the
# sanitizers' shadow memory cannot live with.
if(NOT VELKO_SANITIZE)
  add_test(NAME rechnen_zu_wenig_speicher
    COMMAND ${CMAKE_COMMAND} -DPROGRAMM=$<TARGET_FILE:velko-rechnen> -DKATALOG=${rechnen_katalog}
      -DARBEIT=${CMAKE_CURRENT_BINARY_DIR}/rechnen_tests/zu_wenig_speicher
      -P ${CMAKE_SOURCE_DIR}/tests/cli/speichermangel.cmake)
  set_tests_properties(rechnen_zu_wenig_speicher PROPERTIES LABELS e2e)
endif()

# The envelope over the combinations of the frame, and the stresses of its
# bars: exact tables.  The combinations are written into a copy of the
# frame's file, numbered against the order they are stored in.
set(rahmen_kombinationen
  "${rechnen_daten}/rahmen.sysdat|0.750000\\n\\n\\n\\n\\n\\n0\\n|0.750000\\n\\n\\n\\n\\n\\n3\\n\\n7\\nmit_Schnee\\n3\\n10000001 1.350000\\n10000002 0.900000\\n10000003 1.500000\\n2\\nWind\\n2\\n10000001 1.000000\\n10000002 1.500000\\n4\\nWind_von_rechts\\n2\\n10000001 1.000000\\n10000002 -1.500000\\n")
velko_rechnen_test(umhuellende
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/rahmen.list --umhuellende {ARBEIT}/huelle.tab
       {ARBEIT}/abgewandelt.sysdat
  OPTIONEN RC=0 "ABWANDLUNG=${rahmen_kombinationen}" ERGEBNISTABELLE=huelle.tab
           ERGEBNISTABELLE_VORLAGE=${rechnen_daten}/rahmen_huelle.tab
           "FEHLER_TEXT=Kombination 7 (mit")
velko_rechnen_test(umhuellende_ohne_kombinationen
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/rahmen.list --umhuellende {ARBEIT}/huelle.tab
       ${rechnen_daten}/rahmen.sysdat
  OPTIONEN RC=1 LISTE=rahmen.list "VORHER=alte Liste" "FEHLER_TEXT=keine Lastfallkombinationen !")
velko_rechnen_test(umhuellende_kinematisch
  ARGS --katalog ${rechnen_katalog} --umhuellende {ARBEIT}/huelle.tab {ARBEIT}/abgewandelt.sysdat
  OPTIONEN RC=1 "ABWANDLUNG=${rechnen_daten}/kinematisch.sysdat|1.000000\\n\\n\\n\\n\\n\\n0\\n|1.000000\\n\\n\\n\\n\\n\\n1\\n\\n1\\nK\\n0\\n"
           "FEHLER_TEXT=System kinematisch !")
velko_rechnen_test(spannungen
  ARGS --katalog ${rechnen_katalog} --liste {ARBEIT}/rahmen.list --spannungen {ARBEIT}/spannungen.tab
       rahmen.sysdat
  OPTIONEN RC=0 VERZEICHNIS=${rechnen_daten} ERGEBNISTABELLE=spannungen.tab
           ERGEBNISTABELLE_VORLAGE=${rechnen_daten}/rahmen_spannungen.tab)
