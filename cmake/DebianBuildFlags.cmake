# Release and package builds take Debian's build flags (stack protector, _FORTIFY_SOURCE,
# read-only relocations bound at start), as every Debian package does. The optimisation and
# debug levels stay the build type's own; the debug information goes to the -dbgsym package.
option(ORLE_DEBIAN_BUILDFLAGS "Use dpkg-buildflags' hardening flags in release builds" ON)
find_program(ORLE_DPKG_BUILDFLAGS dpkg-buildflags)

function(orle_debian_flags kind out_var)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${ORLE_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
  set(${out_var} ${flags} PARENT_SCOPE)
endfunction()

if(ORLE_DEBIAN_BUILDFLAGS AND ORLE_DPKG_BUILDFLAGS AND NOT ORLE_SANITIZE)
  orle_debian_flags(CPPFLAGS cpp_flags)
  orle_debian_flags(CXXFLAGS cxx_flags)
  orle_debian_flags(LDFLAGS ld_flags)
  # Newer Debian releases add these two to the hardening set; this one's checker already asks.
  include(CheckCXXCompilerFlag)
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "ORLE_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
      list(APPEND cxx_flags ${flag})
    endif()
  endforeach()
  set(release "$<CONFIG:Release,RelWithDebInfo>")
  foreach(flag IN LISTS cpp_flags cxx_flags)
    add_compile_options("$<${release}:${flag}>")
  endforeach()
  foreach(flag IN LISTS ld_flags)
    add_link_options("$<${release}:${flag}>")
  endforeach()
endif()
