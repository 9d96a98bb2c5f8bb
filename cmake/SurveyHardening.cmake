# Debian's hardening flags (dpkg-buildflags with hardening=+all), so that the
# packaged programs are built as Debian builds its own: fortified string and
# memory functions, stack protection, read-only relocations bound at start.
# Only the hardening part is taken; the build type keeps its own -O and -g.
# Off for the sanitizer and fuzzing builds and unoptimised builds (fortification needs -O).
option(SURVEY_HARDENING "Build with Debian's hardening flags" ON)
find_program(SURVEY_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT SURVEY_HARDENING OR SURVEY_SANITIZE OR SURVEY_FUZZ OR CMAKE_BUILD_TYPE STREQUAL "Debug" OR NOT SURVEY_DPKG_BUILDFLAGS)
  return()
endif()
function(survey_buildflags variable out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${SURVEY_DPKG_BUILDFLAGS} --get ${variable}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()
survey_buildflags(CPPFLAGS preprocessor)
survey_buildflags(CXXFLAGS compiler)
survey_buildflags(LDFLAGS linker)
foreach(flag IN LISTS preprocessor compiler)
  if(flag MATCHES "^-D_FORTIFY_SOURCE|^-fstack-|^-fcf-protection|^-Wformat|^-Werror=format")
    add_compile_options(${flag})
  endif()
endforeach()
add_link_options(${linker})
