# touchliner_library(NAME DEPS...): a static library of every .cpp in the
# current folder except the executables' entry points (*_main.cpp).
function(touchliner_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_main\\.cpp$")
  if(NOT sources)
    # A folder whose units have not landed yet still yields a target.
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# touchliner_executable(NAME MAIN DEPS...): a thin program over the libraries.
function(touchliner_executable name main)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${main})
    add_executable(${name} ${main})
    target_link_libraries(${name} PRIVATE ${ARGN})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  endif()
endfunction()
