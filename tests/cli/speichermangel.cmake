# velko-rechnen with too little memory for the run: a row of bars, each
# divided a thousand times, under an address-space limit that leaves enough
# for reading the file but not for the computational model.  The run must
# stop with a message and exit 1 (not end with "MemFault"), keep the old
# listing and leave no temporary file behind.
#
#   PROGRAMM   the velko-rechnen executable
#   KATALOG    catalogue directory (material 1, cross-section 2)
#   ARBEIT     a fresh working directory

file(REMOVE_RECURSE "${ARBEIT}")
file(MAKE_DIRECTORY "${ARBEIT}")

set(staebe 600)
math(EXPR punkte "${staebe} + 1")
math(EXPR fgs "3 * ${punkte}")
set(text "V 1\n1\n\n\n\n\n ${punkte}\n\n")
foreach(i RANGE ${staebe})
  math(EXPR x "10 * ${i}")
  string(APPEND text " ${i} ${x}.0 0.0\n")
endforeach()
string(APPEND text "\n\n\n\n ${fgs}\n\n")
foreach(i RANGE ${staebe})
  foreach(r 0 1 2)
    math(EXPR n "3 * ${i} + ${r}")
    if(i EQUAL 0)
      string(APPEND text "${n} P  0.0 0.0\n ${r}\n 0.0\n")
    else()
      string(APPEND text "${n} D  0.0 0.0\n ${r}\n 0.0\n")
    endif()
  endforeach()
endforeach()
string(APPEND text "\n\n\n\n\n ${staebe}\n\n")
math(EXPR letzter "${staebe} - 1")
foreach(i RANGE ${letzter})
  math(EXPR a "3 * ${i}")
  math(EXPR b "${a} + 1")
  math(EXPR c "${a} + 2")
  math(EXPR d "${a} + 3")
  math(EXPR e "${a} + 4")
  math(EXPR f "${a} + 5")
  math(EXPR j "${i} + 1")
  string(APPEND text " ${i}\n ${a} ${b} ${c} ${d} ${e} ${f}\n ${i}  ${j}\n 1\n 2\n")
endforeach()
string(APPEND text "\n\n\n\n\n0\n\n\n\n\n\n\n 0\n0\n\n\n\n0\n\n\n\n\n\n0\n\n")
file(WRITE "${ARBEIT}/reihe.sysdat" "${text}")
file(WRITE "${ARBEIT}/alt.list" "alte Liste\n")

# 150 MB of address space: the file takes a few, the model would take
# several hundred.
execute_process(
  COMMAND bash -c "ulimit -v 150000 && exec \"$@\"" velko-rechnen "${PROGRAMM}"
          --katalog "${KATALOG}" --stabteilungen 1000 --liste "${ARBEIT}/alt.list" "${ARBEIT}/reihe.sysdat"
  WORKING_DIRECTORY "${ARBEIT}"
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE ausgabe
  ERROR_VARIABLE fehler)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "Rückgabewert ${rc}, erwartet 1\nStandardfehler:\n${fehler}")
endif()
foreach(soll "Fehler beim Berechnen ! - zu wenig Speicher" "keine Ergebnisse geschrieben")
  string(FIND "${fehler}" "${soll}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "'${soll}' fehlt in Standardfehler:\n${fehler}")
  endif()
endforeach()
string(FIND "${fehler}" "MemFault" pos)
if(NOT pos EQUAL -1)
  message(FATAL_ERROR "das Programm endete mit MemFault:\n${fehler}")
endif()
file(READ "${ARBEIT}/alt.list" liste)
if(NOT liste STREQUAL "alte Liste\n")
  message(FATAL_ERROR "die alte Liste wurde verändert")
endif()
file(GLOB dateien RELATIVE "${ARBEIT}" "${ARBEIT}/*")
list(SORT dateien)
if(NOT dateien STREQUAL "alt.list;reihe.sysdat")
  message(FATAL_ERROR "im Arbeitsverzeichnis liegen: ${dateien}")
endif()
