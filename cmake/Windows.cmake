# Windows builds (i686 and x86_64): the program, the stand-in installer and, for x86_64, the end-to-end tests.
file(GLOB WINDOWS_EXTRAS CONFIGURE_DEPENDS cmake/windows/*.cmake)
foreach(extra ${WINDOWS_EXTRAS})
  include(${extra})
endforeach()
