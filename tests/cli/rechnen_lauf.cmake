# Runs velko-rechnen once and checks what a user of the program sees.
#
#   PROGRAMM       the velko-rechnen executable
#   VERGLEICH      the listing comparison program
#   ARBEIT         a fresh working directory for this test
#   ARGS           the arguments, separated by "|"; "{ARBEIT}" stands for ARBEIT
#   RC             the expected exit status
#   VORLAGE        expected listing (optional); compared with LISTE or stdout
#   LISTE          file the listing goes to (optional, under ARBEIT)
#   TABELLE        written table (under ARBEIT) and TABELLE_VORLAGE (exact)
#   ERGEBNISTABELLE  a written table of results (under ARBEIT), compared with
#                  ERGEBNISTABELLE_VORLAGE like a listing (round-off forgiven)
#   FEHLER_TEXT    a text standard error must contain (optional)
#   NICHT_TEXT     a text standard error must not contain (optional)
#   AUSGABE_TEXT   a text standard output must contain (optional)
#   VORHER         contents written to LISTE before the run, which must still
#                  be there afterwards (a failed run keeps the old file)
#   VERZEICHNIS    directory the program runs in (optional): the listing
#                  names the system file as given, so golden runs pass a
#                  relative name from here to stay independent of the checkout
#   STANDARDAUSGABE  file standard output goes to instead (e.g. /dev/full)
#   VELKO_HOME     when set, HOME becomes ARBEIT and ~/.velko names this
#                  catalogue directory ("-" = no ~/.velko at all)
#   ABWANDLUNG     "VORLAGE_DATEI|alt|neu": writes ARBEIT/abgewandelt.sysdat,
#                  the file with the first "alt" replaced by "neu" ("\n" in
#                  both stands for a line break)

file(REMOVE_RECURSE "${ARBEIT}")
file(MAKE_DIRECTORY "${ARBEIT}")
string(REPLACE "{ARBEIT}" "${ARBEIT}" ARGS "${ARGS}")
string(REPLACE "|" ";" ARGS "${ARGS}")
if(DEFINED VELKO_HOME)
  set(ENV{HOME} "${ARBEIT}")
  if(NOT VELKO_HOME STREQUAL "-")
    file(WRITE "${ARBEIT}/.velko"
      "${ARBEIT}\n${VELKO_HOME}\n${ARBEIT}\n${ARBEIT}\nmozilla\ngv\n")
  endif()
endif()
if(DEFINED VORHER)
  file(WRITE "${ARBEIT}/${LISTE}" "${VORHER}")
endif()
if(DEFINED ABWANDLUNG)
  string(REPLACE "|" ";" teile "${ABWANDLUNG}")
  list(GET teile 0 vorlage_datei)
  list(GET teile 1 alt)
  list(GET teile 2 neu)
  string(REPLACE "\\n" "\n" alt "${alt}")
  string(REPLACE "\\n" "\n" neu "${neu}")
  file(READ "${vorlage_datei}" inhalt)
  string(FIND "${inhalt}" "${alt}" stelle)
  if(stelle EQUAL -1)
    message(FATAL_ERROR "'${alt}' steht nicht in ${vorlage_datei}")
  endif()
  string(LENGTH "${alt}" laenge)
  string(SUBSTRING "${inhalt}" 0 ${stelle} vorn)
  math(EXPR rest "${stelle} + ${laenge}")
  string(SUBSTRING "${inhalt}" ${rest} -1 hinten)
  file(WRITE "${ARBEIT}/abgewandelt.sysdat" "${vorn}${neu}${hinten}")
endif()

if(NOT DEFINED VERZEICHNIS)
  set(VERZEICHNIS "${ARBEIT}")
endif()
set(ausgabedatei "${ARBEIT}/stdout")
if(DEFINED STANDARDAUSGABE)
  set(ausgabedatei "${STANDARDAUSGABE}")
endif()
execute_process(COMMAND "${PROGRAMM}" ${ARGS}
  WORKING_DIRECTORY "${VERZEICHNIS}"
  RESULT_VARIABLE rc
  OUTPUT_FILE "${ausgabedatei}"
  ERROR_FILE "${ARBEIT}/stderr")
file(READ "${ARBEIT}/stderr" fehler)
set(ausgabe "")
if(NOT DEFINED STANDARDAUSGABE)
  file(READ "${ARBEIT}/stdout" ausgabe)
endif()
if(NOT rc EQUAL RC)
  message(FATAL_ERROR "Rückgabewert ${rc}, erwartet ${RC}\nStandardfehler:\n${fehler}")
endif()
foreach(paar "FEHLER_TEXT;fehler" "AUSGABE_TEXT;ausgabe")
  list(GET paar 0 soll)
  list(GET paar 1 ist)
  if(DEFINED ${soll})
    string(FIND "${${ist}}" "${${soll}}" pos)
    if(pos EQUAL -1)
      message(FATAL_ERROR "'${${soll}}' fehlt in ${ist}:\n${${ist}}")
    endif()
  endif()
endforeach()
if(DEFINED NICHT_TEXT)
  string(FIND "${fehler}" "${NICHT_TEXT}" pos)
  if(NOT pos EQUAL -1)
    message(FATAL_ERROR "'${NICHT_TEXT}' steht unerwartet in Standardfehler:\n${fehler}")
  endif()
endif()

if(DEFINED VORHER)
  file(READ "${ARBEIT}/${LISTE}" nachher)
  if(NOT nachher STREQUAL VORHER)
    message(FATAL_ERROR "die alte Datei ${LISTE} wurde verändert")
  endif()
endif()

if(DEFINED VORLAGE)
  if(DEFINED LISTE)
    set(geschrieben "${ARBEIT}/${LISTE}")
    if(NOT ausgabe STREQUAL "")
      message(FATAL_ERROR "Standardausgabe sollte leer sein:\n${ausgabe}")
    endif()
  else()
    set(geschrieben "${ARBEIT}/stdout")
  endif()
  execute_process(COMMAND "${VERGLEICH}" "${VORLAGE}" "${geschrieben}" RESULT_VARIABLE vrc)
  if(NOT vrc EQUAL 0)
    message(FATAL_ERROR "Liste weicht von ${VORLAGE} ab")
  endif()
endif()

if(DEFINED ERGEBNISTABELLE)
  execute_process(COMMAND "${VERGLEICH}" "${ERGEBNISTABELLE_VORLAGE}" "${ARBEIT}/${ERGEBNISTABELLE}"
    RESULT_VARIABLE erc)
  if(NOT erc EQUAL 0)
    message(FATAL_ERROR "Tabelle weicht von ${ERGEBNISTABELLE_VORLAGE} ab")
  endif()
endif()

if(DEFINED TABELLE)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
    "${TABELLE_VORLAGE}" "${ARBEIT}/${TABELLE}" RESULT_VARIABLE trc)
  if(NOT trc EQUAL 0)
    message(FATAL_ERROR "Tabelle weicht von ${TABELLE_VORLAGE} ab")
  endif()
endif()
