# kit_add_program(<name> SOURCES <files...> LIBRARIES <targets...>)
#
# One of the kit's desktop programs: a thin executable over its libraries,
# installed into the binary directory.
include(GNUInstallDirs)

function(kit_add_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
