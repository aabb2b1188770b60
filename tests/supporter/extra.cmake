# Fake driver libraries, each in a folder of its own under the file name the loader is asked
# for, so a test points the loader at one variant through LD_LIBRARY_PATH or a full path.
set(fake_zorquel_root ${CMAKE_BINARY_DIR}/fakezorquel)

function(add_fake_zorquel variant)
  add_library(fakezorquel_${variant} SHARED ${area_dir}/fakezorquel.c)
  target_compile_definitions(fakezorquel_${variant} PRIVATE ${ARGN})
  set_target_properties(fakezorquel_${variant} PROPERTIES
    OUTPUT_NAME Zorquel
    C_VISIBILITY_PRESET hidden
    LIBRARY_OUTPUT_DIRECTORY ${fake_zorquel_root}/${variant})
endfunction()

add_fake_zorquel(all FAKE_HAS_GETNUMCARDS FAKE_HAS_REST)
add_fake_zorquel(noreboot FAKE_HAS_GETNUMCARDS FAKE_HAS_REST FAKE_LACKS_EMERGENCYREBOOT)
add_fake_zorquel(countonly FAKE_HAS_GETNUMCARDS)
add_fake_zorquel(none FAKE_WRONG_CASE)

set(fake_zorquel_targets fakezorquel_all fakezorquel_noreboot fakezorquel_countonly fakezorquel_none)

if(TARGET tst_llzorquel)
  add_dependencies(tst_llzorquel ${fake_zorquel_targets})
  target_compile_definitions(tst_llzorquel PRIVATE FAKE_ZORQUEL_ROOT="${fake_zorquel_root}")
endif()

# The card listing finds the library by its plain file name through the loader's search path.
if(TARGET tst_cardlisting)
  add_dependencies(tst_cardlisting fakezorquel_all)
  target_compile_definitions(tst_cardlisting PRIVATE FAKE_ZORQUEL_ROOT="${fake_zorquel_root}")
  set_property(TEST supporter.tst_cardlisting APPEND PROPERTY ENVIRONMENT "LD_LIBRARY_PATH=${fake_zorquel_root}/all")
endif()
