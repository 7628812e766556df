# varnock_cmdline_add_docs(<name>
#     SOURCES <file>...            the sources that define rvToolDefinitions()
#     TEXTS <file>                 the man page's summary, description, examples
#     [LIBRARIES <target>...]      what those sources need to link
#     [OUTPUT_DIRECTORY <folder>]  default: ${CMAKE_CURRENT_BINARY_DIR}/<name>-docs
#     [COMPONENT <component>]      the install component of the files
#     [NO_INSTALL])
#
# Builds <name>_generate_docs from the sources and, at build time, writes the
# tool's man page <name>.1 (and gz/<name>.1.gz, as gzip -9n makes it), its
# bash, zsh and fish completions <name>.bash, _<name> and <name>.fish, and
# <name>.description and copyright for a package, into the output folder
# (target <name>_docs, built by default). Unless NO_INSTALL is given, it
# installs the page and the completions where man and each shell look under
# the install prefix: the zsh folder is share/zsh/vendor-completions under
# /usr and share/zsh/site-functions under any other prefix, chosen when
# installing. The page's date honours SOURCE_DATE_EPOCH. <name> must be the
# app definition's "executable": the generator stops the build otherwise,
# and writes no file.
function(varnock_cmdline_add_docs name)
  cmake_parse_arguments(PARSE_ARGV 1 docs "NO_INSTALL" "TEXTS;OUTPUT_DIRECTORY;COMPONENT"
                        "SOURCES;LIBRARIES")
  if(NOT docs_SOURCES OR NOT docs_TEXTS)
    message(FATAL_ERROR "varnock_cmdline_add_docs(${name}): SOURCES and TEXTS are required")
  endif()
  if(docs_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "varnock_cmdline_add_docs(${name}): unknown arguments ${docs_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT docs_OUTPUT_DIRECTORY)
    set(docs_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name}-docs)
  endif()
  set(component)
  if(docs_COMPONENT)
    set(component COMPONENT ${docs_COMPONENT})
  endif()
  cmake_path(ABSOLUTE_PATH docs_TEXTS)
  include(GNUInstallDirs)

  set(tool ${name})
  set(generator ${name}_generate_docs)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/RVGenerateDocsMain.cpp.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${generator}.cpp @ONLY)
  add_executable(${generator} ${CMAKE_CURRENT_BINARY_DIR}/${generator}.cpp ${docs_SOURCES})
  target_link_libraries(${generator} PRIVATE varnock::cmdline_docs ${docs_LIBRARIES})

  set(out ${docs_OUTPUT_DIRECTORY})
  set(files ${out}/${name}.1 ${out}/${name}.bash ${out}/_${name} ${out}/${name}.fish
            ${out}/${name}.description ${out}/copyright)
  string(TIMESTAMP date "%Y-%m-%d" UTC)
  add_custom_command(OUTPUT ${files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${generator} ${docs_TEXTS} ${out} ${date}
    DEPENDS ${generator} ${docs_TEXTS}
    COMMENT "Generating the man page and shell completions of ${name}"
    VERBATIM)
  varnock_cmdline_gzip(${out}/${name}.1 ${out}/gz)
  add_custom_target(${name}_docs ALL DEPENDS ${files} ${out}/gz/${name}.1.gz)

  if(docs_NO_INSTALL)
    return()
  endif()
  install(FILES ${out}/gz/${name}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          ${component})
  install(FILES ${out}/${name}.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME ${name} ${component})
  install(FILES ${out}/${name}.fish DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d
          ${component})
  # zsh reads what the distribution installs under /usr from
  # share/zsh/vendor-completions, and what is installed under any other
  # prefix, /usr/local among them, from share/zsh/site-functions. The prefix
  # is known only when installing (cmake --install --prefix, or CPack).
  install(CODE "
    string(REGEX REPLACE \"/+$\" \"\" zshPrefix \"\${CMAKE_INSTALL_PREFIX}\")
    if(zshPrefix STREQUAL \"/usr\")
      set(zshFolder vendor-completions)
    else()
      set(zshFolder site-functions)
    endif()
    file(INSTALL \"${out}/_${name}\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/zsh/\${zshFolder}\")
  " ${component})
endfunction()

# varnock_cmdline_gzip(<file> <folder>): a build rule that writes
# <folder>/<file's name>.gz as Debian compresses what it installs: gzip -9n
# stores no name and no time, so the same file gives the same bytes.
function(varnock_cmdline_gzip source folder)
  find_program(VARNOCK_CMDLINE_GZIP gzip REQUIRED)
  cmake_path(GET source FILENAME fileName)
  add_custom_command(OUTPUT ${folder}/${fileName}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${fileName}
    COMMAND ${VARNOCK_CMDLINE_GZIP} -9nf ${folder}/${fileName}
    DEPENDS ${source}
    VERBATIM)
endfunction()
