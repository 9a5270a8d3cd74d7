# Precompiled headers: the Qt and standard headers nearly every unit of the widget layer and of the GUI suites reads.
# Only system headers go in, so the header is the same in every checkout and the compiler cache shares it.
set(QSW_PCH_WIDGETS <QApplication> <QCoreApplication> <QEvent> <QPointer> <QString> <QTimer> <QWidget>
  <algorithm> <functional> <map> <memory> <string> <vector>)
set(QSW_PCH_TESTS ${QSW_PCH_WIDGETS} <gtest/gtest.h> <gmock/gmock.h>)

# qsw_precompile(target headers...): target builds on a precompiled header of headers (nothing when QSW_PCH is off).
# qsw_precompile(target REUSE_FROM other): target uses other's (same compiler flags needed).
function(qsw_precompile target)
  if(NOT QSW_PCH)
    return()
  endif()
  if(ARGV1 STREQUAL "REUSE_FROM")
    target_precompile_headers(${target} REUSE_FROM ${ARGV2})
  else()
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Lets the compiler cache see the header through the preprocessor.
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fpch-preprocess>)
  endif()
endfunction()

# qsw_layer(name DEPS ...): a static library of every .cpp in the calling folder.
function(qsw_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  # A layer over the widget layer builds on its precompiled header.
  set(widgets FALSE)
  foreach(dep IN LISTS ARG_DEPS)
    if(TARGET ${dep})
      get_target_property(dep_widgets ${dep} QSW_WIDGETS)
      if(dep_widgets)
        set(widgets TRUE)
      endif()
    endif()
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs} ${hdrs})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
    if(widgets)
      qsw_precompile(${name} REUSE_FROM qsw_platform_ui)
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
  set_target_properties(${name} PROPERTIES QSW_WIDGETS ${widgets})
endfunction()

# qsw_test_suite(name [OWN_MAIN | GUI_MAIN] [LABEL unit|gui|agent] DEPS ...): one GoogleTest executable of every
# .cpp in the calling folder. GUI_MAIN links the shared GUI main (one application object, offscreen platform).
# The label lets `ctest -L unit` run the quick suites alone; by default GUI_MAIN suites are "gui", others "unit".
# qsw_test_code(target): the sanitizer build compiles test code (fixtures, assertions) without optimisation; the
# code under test keeps its -O1. Test units are the heaviest to compile and build in about a third of the time.
function(qsw_test_code target)
  if(QSW_SANITIZE)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

function(qsw_test_suite name)
  cmake_parse_arguments(ARG "OWN_MAIN;GUI_MAIN" "LABEL" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${srcs})
  qsw_test_code(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  if(ARG_GUI_MAIN OR ARG_OWN_MAIN)
    qsw_precompile(${name} REUSE_FROM qsw_test_gui_main)
  endif()
  if(ARG_GUI_MAIN)
    target_link_libraries(${name} PRIVATE qsw_test_gui_main)
  elseif(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  if(NOT ARG_LABEL)
    if(ARG_GUI_MAIN OR ARG_OWN_MAIN)
      set(ARG_LABEL gui)
    else()
      set(ARG_LABEL unit)
    endif()
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QSW_SOURCE_DIR=${PROJECT_SOURCE_DIR};QSW_BINARY_DIR=${PROJECT_BINARY_DIR}"
               LABELS ${ARG_LABEL}
    DISCOVERY_TIMEOUT 60)
endfunction()
