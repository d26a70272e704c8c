# Packs the meter plug-in for players on Windows: the DLL, its two help pages
# and readme.txt, all at the top of the zip, the readme with CR LF line ends.
#
#   cmake -DDLL=<vis_Dovrik.dll> -DHELP_DIR=<dir> -DREADME=<readme.txt> -DZIP=<out.zip>
#         -P make_plugin_zip.cmake
foreach(input DLL HELP_DIR README ZIP)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "make_plugin_zip: -D${input}=... is missing")
  endif()
endforeach()

set(files ${DLL} ${HELP_DIR}/vis_dk.htm ${HELP_DIR}/cvis_dk.htm ${README})
foreach(file IN LISTS files)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "make_plugin_zip: ${file} does not exist")
  endif()
endforeach()

set(stage ${ZIP}.contents)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
file(COPY ${DLL} ${HELP_DIR}/vis_dk.htm ${HELP_DIR}/cvis_dk.htm DESTINATION ${stage})

# The readme is kept with LF ends in the sources; Notepad wants CR LF.
file(READ ${README} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${stage}/readme.txt "${text}")

# A fixed time stamp makes the same inputs give the same zip.
file(REMOVE ${ZIP})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip "--mtime=2026-12-08 12:00:00 UTC"
          vis_Dovrik.dll vis_dk.htm cvis_dk.htm readme.txt
  WORKING_DIRECTORY ${stage}
  RESULT_VARIABLE result)
file(REMOVE_RECURSE ${stage})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_plugin_zip: could not write ${ZIP}")
endif()
