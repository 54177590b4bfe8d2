# Installs a program the way the desktop expects: the executable in OVRELTA_INSTALL_DIR beside its
# data files (it finds them through its own directory), a relative symlink in the bin directory and
# a .desktop entry whose Exec names that link.
#   ovrelta_install_program(TARGET DESKTOP_TEMPLATE)
# The template's @OVRELTA_EXEC@ is replaced at install time, so that --prefix and DESTDIR hold.
function(ovrelta_install_program target desktop_template)
  install(TARGETS ${target} RUNTIME DESTINATION ${OVRELTA_INSTALL_DIR})

  # Relative, so the installed tree can be moved as a whole.
  file(RELATIVE_PATH link_target /prefix/${CMAKE_INSTALL_BINDIR}
       /prefix/${OVRELTA_INSTALL_DIR}/${target})
  get_filename_component(desktop_name ${desktop_template} NAME_WLE)
  install(CODE "
    set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin_dir}\")
    message(STATUS \"Installing: \${bin_dir}/${target} -> ${link_target}\")
    file(CREATE_LINK \"${link_target}\" \"\${bin_dir}/${target}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${bin_dir}/${target}\")

    set(OVRELTA_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${target}\")
    set(desktop_file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/${desktop_name}\")
    message(STATUS \"Installing: \${desktop_file}\")
    configure_file(\"${desktop_template}\" \"\${desktop_file}\" @ONLY)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${desktop_file}\")
  ")
endfunction()
