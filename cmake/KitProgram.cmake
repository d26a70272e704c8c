# Who each program is, and how it is installed.
#
# kit_program_identity(<command> NAME <name> VERSION <numbers> [VERSION_TEXT <text>]
#                      SUMMARY <one line> RELEASED <yyyy-mm-dd>)
#
#   The one place that names a program. Everything that shows its name, version
#   or summary takes them from here: the generated header identity.h in the
#   calling folder's build directory (so "region_editor/identity.h"), which the
#   program's --version and about window read; its desktop entry's Name and
#   Comment, its AppStream metadata's summary and release, and its manual page's
#   header and NAME line, all made from the templates in packaging/<command>/.
#   VERSION is the release as numbers, as AppStream compares them; VERSION_TEXT is
#   how the program itself writes it, where that differs. SUMMARY says what the
#   program does in one line that starts with a capital and has no full stop.
#
# kit_add_program(<command> SOURCES <files...> LIBRARIES <targets...> [COMMAND_LINE])
#
#   A thin executable over the program's libraries, installed with its manual
#   page and, unless it is a COMMAND_LINE tool, with what a desktop needs to offer
#   it: the desktop entry, the AppStream metadata and the icon (the hand-drawn SVG
#   and PNGs rendered from it at build time). These live in packaging/<command>/,
#   named after the program's desktop id, org.skinkit.<command>.
include(GNUInstallDirs)

get_filename_component(KIT_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}/../packaging" ABSOLUTE)
set(KIT_DESKTOP_ID_PREFIX org.skinkit)
set(KIT_ICON_SIZES 16 32 48 64 128 256)

# What `cmake --install --strip` and the package run on the installed programs.
set(CMAKE_STRIP ${CMAKE_CURRENT_LIST_DIR}/package-strip)

function(kit_program_identity command)
  cmake_parse_arguments(ARG "" "NAME;VERSION;VERSION_TEXT;SUMMARY;RELEASED" "" ${ARGN})
  foreach(field NAME VERSION SUMMARY RELEASED)
    if(NOT ARG_${field})
      message(FATAL_ERROR "kit_program_identity(${command}): ${field} is missing")
    endif()
  endforeach()
  if(NOT ARG_VERSION_TEXT)
    set(ARG_VERSION_TEXT ${ARG_VERSION})
  endif()
  if(ARG_SUMMARY MATCHES "[.\n\"\\\\&<>]")
    message(FATAL_ERROR "kit_program_identity(${command}): the summary is one line, without a full stop, quotes, backslashes or markup")
  endif()
  foreach(field NAME VERSION VERSION_TEXT SUMMARY RELEASED)
    set_property(GLOBAL PROPERTY KIT_IDENTITY_${command}_${field} "${ARG_${field}}")
  endforeach()

  set(KIT_COMMAND ${command})
  set(KIT_DESKTOP_ID ${KIT_DESKTOP_ID_PREFIX}.${command})
  set(KIT_NAME ${ARG_NAME})
  set(KIT_VERSION ${ARG_VERSION})
  set(KIT_VERSION_TEXT ${ARG_VERSION_TEXT})
  set(KIT_SUMMARY ${ARG_SUMMARY})
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/identity.h.in ${CMAKE_CURRENT_BINARY_DIR}/identity.h @ONLY)
endfunction()

# kit_configure_identity(<command> <template> <output>): fills a packaging
# template with the program's identity.
function(kit_configure_identity command template output)
  foreach(field NAME VERSION VERSION_TEXT SUMMARY RELEASED)
    get_property(KIT_${field} GLOBAL PROPERTY KIT_IDENTITY_${command}_${field})
  endforeach()
  if(NOT KIT_NAME)
    message(FATAL_ERROR "${command}: call kit_program_identity() before kit_add_program()")
  endif()
  string(TOUPPER ${command} KIT_MAN_TITLE)
  # A manual page's NAME line goes on in small letters after the dash.
  string(SUBSTRING "${KIT_SUMMARY}" 0 1 first)
  string(SUBSTRING "${KIT_SUMMARY}" 1 -1 rest)
  string(TOLOWER "${first}" first)
  set(KIT_MAN_SUMMARY "${first}${rest}")
  configure_file(${template} ${output} @ONLY)
endfunction()

function(kit_add_program name)
  cmake_parse_arguments(ARG "COMMAND_LINE" "" "SOURCES;LIBRARIES" ${ARGN})
  set(id ${KIT_DESKTOP_ID_PREFIX}.${name})
  set(source ${KIT_PACKAGING_DIR}/${name})
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/desktop)

  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  kit_sanitizer_defaults(${name})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The tools are looked for here, by the programs that use them, so that a
  # build of a command-line tool alone needs nothing to draw icons with.
  find_program(KIT_GZIP gzip REQUIRED)
  set(outputs)
  if(NOT ARG_COMMAND_LINE)
    find_program(KIT_RSVG_CONVERT rsvg-convert REQUIRED)
    kit_configure_identity(${name} ${source}/${id}.desktop.in ${generated}/${id}.desktop)
    kit_configure_identity(${name} ${source}/${id}.metainfo.xml.in ${generated}/${id}.metainfo.xml)
    install(FILES ${generated}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${generated}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${source}/${id}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    foreach(size IN LISTS KIT_ICON_SIZES)
      set(png ${generated}/${size}x${size}/${id}.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/${size}x${size}
        COMMAND ${KIT_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${source}/${id}.svg
        DEPENDS ${source}/${id}.svg
        VERBATIM)
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
      list(APPEND outputs ${png})
    endforeach()
  endif()

  # Manual pages go out compressed, without a time stamp, as Debian expects them.
  kit_configure_identity(${name} ${source}/${name}.1.in ${generated}/${name}.1)
  set(manual ${generated}/${name}.1.gz)
  add_custom_command(OUTPUT ${manual}
    COMMAND sh -c "${KIT_GZIP} -9n -c \"$1\" > \"$2\"" gzip ${generated}/${name}.1 ${manual}
    DEPENDS ${generated}/${name}.1
    VERBATIM)
  install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  list(APPEND outputs ${manual})

  add_custom_target(${name}_desktop_files ALL DEPENDS ${outputs})
endfunction()
