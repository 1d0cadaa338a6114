# The package as another project sees it: installed from the build into a prefix of its
# own, examples/ configured and built against that prefix alone, and the example run.
# Takes BUILD_DIR, SOURCE_DIR, WORK_DIR, ARTIFACTS_DIR, GENERATOR, BUILD_TYPE, CXX_FLAGS.
function(run_step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "failed (${status}): ${command}\n${out}\n${err}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
run_step(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# Nothing installed may point back into the source or build tree.
file(GLOB_RECURSE package_files ${prefix}/lib/cmake/SpectrumChart/*.cmake)
foreach(f ${package_files})
  file(READ ${f} text)
  foreach(tree ${SOURCE_DIR} ${BUILD_DIR})
    string(FIND "${text}" "${tree}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${f} refers to ${tree}")
    endif()
  endforeach()
endforeach()
foreach(header chart/panel/Chart.h platform/ChartWidget.h platform/ChartExport.h fft/uFFTasm.h)
  if(NOT EXISTS ${prefix}/include/spectrumchart/${header})
    message(FATAL_ERROR "the package lacks ${header}")
  endif()
endforeach()

run_step(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples -B ${WORK_DIR}/build -G ${GENERATOR}
         -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DCMAKE_PREFIX_PATH=${prefix}
         "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CXX_FLAGS}")
run_step(${CMAKE_COMMAND} --build ${WORK_DIR}/build)

set(picture ${ARTIFACTS_DIR}/example_chart.png)
file(MAKE_DIRECTORY ${ARTIFACTS_DIR})
file(REMOVE ${picture})
# Qt's font configuration stays until the process ends; the sanitized run does not count it.
run_step(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
         ${WORK_DIR}/build/chart_example --save ${picture})
if(NOT EXISTS ${picture})
  message(FATAL_ERROR "the example wrote no ${picture}")
endif()
