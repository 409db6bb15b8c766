# One static library per layer folder. Sources are globbed so that new files of a layer need
# no edit here; the link lists enforce the layering.
#
# A layer's headers are reachable only through its library: each library gets a generated
# include folder holding links to its own headers under their usual names ("formats/X.h"),
# so an include of a layer that the target does not link fails to compile.
function(kvx_expose_headers target folder)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        target_include_directories(${target} PRIVATE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

function(kvx_add_layer target)
    cmake_parse_arguments(ARG "" "" "LIBS;EXCLUDE" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    foreach(excluded IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    add_library(${target} STATIC ${sources})
    file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    kvx_expose_headers(${target} ${folder})
    target_link_libraries(${target} PUBLIC ${ARG_LIBS} PRIVATE kvx_warnings)
    set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX)
endfunction()
