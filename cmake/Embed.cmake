# embed_file(<target> <symbol> <file>): links the bytes of <file> into <target> as
#   extern "C" const unsigned char <symbol>[]; extern "C" const unsigned char <symbol>_end[];
# through the assembler's .incbin, which is fast for large files and works for every target.
function(embed_file target symbol file)
  get_filename_component(abs ${file} ABSOLUTE)
  set(out ${CMAKE_BINARY_DIR}/generated/embed_${symbol}.S)
  if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(prefix "_")
  else()
    set(prefix "")
  endif()
  if(WIN32)
    set(section ".section .rdata,\"dr\"")
  else()
    set(section ".section .note.GNU-stack,\"\",@progbits\n.section .rodata")
  endif()
  file(WRITE ${out}.in
"${section}
.balign 16
.globl ${prefix}${symbol}
${prefix}${symbol}:
.incbin \"${abs}\"
.globl ${prefix}${symbol}_end
${prefix}${symbol}_end:
.byte 0
")
  configure_file(${out}.in ${out} COPYONLY)
  set_source_files_properties(${out} PROPERTIES OBJECT_DEPENDS ${abs})
  target_sources(${target} PRIVATE ${out})
endfunction()
