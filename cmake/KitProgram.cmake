# kit_add_program(<name> SOURCES <files...> LIBRARIES <targets...>)
#
# One of the kit's desktop programs: a thin executable over its libraries,
# installed with what a desktop needs to offer it: the desktop entry, the
# AppStream metadata, the icon (the hand-drawn SVG and PNGs rendered from it at
# build time) and the manual page. These live in packaging/<name>/, named after
# the program's desktop id, org.skinkit.<name>; the executable knows its id as
# KIT_DESKTOP_ID.
include(GNUInstallDirs)

get_filename_component(KIT_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}/../packaging" ABSOLUTE)
set(KIT_DESKTOP_ID_PREFIX org.skinkit)
set(KIT_ICON_SIZES 16 32 48 64 128 256)

find_program(KIT_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(KIT_GZIP gzip REQUIRED)

function(kit_add_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  set(id ${KIT_DESKTOP_ID_PREFIX}.${name})
  set(source ${KIT_PACKAGING_DIR}/${name})
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/desktop)

  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  kit_sanitizer_defaults(${name})
  target_compile_definitions(${name} PRIVATE KIT_DESKTOP_ID="${id}")
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  install(FILES ${source}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${source}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${source}/${id}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  set(outputs)
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

  # Manual pages go out compressed, without a time stamp, as Debian expects them.
  set(manual ${generated}/${name}.1.gz)
  add_custom_command(OUTPUT ${manual}
    COMMAND sh -c "${KIT_GZIP} -9n -c \"$1\" > \"$2\"" gzip ${source}/${name}.1 ${manual}
    DEPENDS ${source}/${name}.1
    VERBATIM)
  install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  list(APPEND outputs ${manual})

  add_custom_target(${name}_desktop_files ALL DEPENDS ${outputs})
endfunction()

# kit_add_command(<name> SOURCES <files...> LIBRARIES <targets...>)
#
# One of the kit's command-line programs: the executable and its manual page,
# packaging/<name>/<name>.1, with no desktop entry or icon.
function(kit_add_command name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  kit_sanitizer_defaults(${name})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  set(manual ${CMAKE_CURRENT_BINARY_DIR}/${name}.1.gz)
  add_custom_command(OUTPUT ${manual}
    COMMAND sh -c "${KIT_GZIP} -9n -c \"$1\" > \"$2\"" gzip ${KIT_PACKAGING_DIR}/${name}/${name}.1 ${manual}
    DEPENDS ${KIT_PACKAGING_DIR}/${name}/${name}.1
    VERBATIM)
  install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  add_custom_target(${name}_manual ALL DEPENDS ${manual})
endfunction()
