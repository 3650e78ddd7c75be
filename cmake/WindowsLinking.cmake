# How every Windows program of this project is linked: MinGW runtime static (so only system DLLs are imported),
# ASLR, DEP and, for x86_64, high-entropy addresses. Included by the files in cmake/windows/.
include_guard(GLOBAL)

# windows_link_statically(<target>): static runtime and hardened image flags for an .exe or .dll.
function(windows_link_statically target)
  target_link_options(${target} PRIVATE -s -static -static-libgcc -static-libstdc++
                      -Wl,--dynamicbase -Wl,--nxcompat -Wl,--no-insert-timestamp)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
  endif()
endfunction()

# windows_unicode_program(<target>): wide-character entry (wWinMain or wmain) and wide Win32 API by default.
function(windows_unicode_program target)
  target_compile_options(${target} PRIVATE -municode)
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE)
  target_link_options(${target} PRIVATE -municode)
  windows_link_statically(${target})
endfunction()
