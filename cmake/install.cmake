# Where `cmake --install` and the packages put the tools, their manual pages
# and, for Windows, plain-text copies of those pages.
include(GNUInstallDirs)

# Console games live in games/ under /usr and /usr/local (as Debian and the
# FHS have it), in bin/ under any other prefix, and beside each other in the
# folder a Windows player unpacks.
if(WIN32)
  set(qeld_gamesdir_default .)
elseif(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
  set(qeld_gamesdir_default games)
else()
  set(qeld_gamesdir_default ${CMAKE_INSTALL_BINDIR})
endif()
set(QELD_INSTALL_GAMESDIR ${qeld_gamesdir_default} CACHE STRING
  "Where the programs are installed, relative to the install prefix")

find_program(QELD_GROFF groff)

# Installs a tool and its section-6 manual page. Windows has no man, so there
# the page is installed as plain text, rendered by groff on the build machine.
function(qeld_install_tool target page)
  install(TARGETS ${target} RUNTIME DESTINATION ${QELD_INSTALL_GAMESDIR})
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/${page})
  if(NOT WIN32)
    install(FILES ${source} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    return()
  endif()
  if(NOT QELD_GROFF)
    message(WARNING "groff not found: the Windows package will lack ${target}.txt")
    return()
  endif()
  set(text ${CMAKE_CURRENT_BINARY_DIR}/${target}.txt)
  add_custom_command(OUTPUT ${text}
    COMMAND ${CMAKE_COMMAND} -DGROFF=${QELD_GROFF} -DPAGE=${source} -DTEXT=${text}
            -P ${PROJECT_SOURCE_DIR}/cmake/render_man_page.cmake
    DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/render_man_page.cmake
    COMMENT "Rendering ${page} as plain text")
  add_custom_target(${target}_manual ALL DEPENDS ${text})
  install(FILES ${text} DESTINATION ${QELD_INSTALL_GAMESDIR})
endfunction()
