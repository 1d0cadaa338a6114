# The installable package: the FFT engine, the chart engine and the Qt adapter as static
# libraries, their public headers, and a CMake package, so that another project says
#   find_package(SpectrumChart REQUIRED)
#   target_link_libraries(app PRIVATE SpectrumChart::platform)
# (SpectrumChart::chart alone needs no Qt; SpectrumChart::uFFTasm is the FFT engine).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(SPECTRUMCHART_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/spectrumchart)
set(SPECTRUMCHART_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/SpectrumChart)
set(SPECTRUMCHART_LIBRARIES uFFTasm chart platform)

# Headers are included as "chart/...", "platform/..." and "fft/uFFTasm.h": from src/ in the
# build tree, from the package's include folder once installed.
foreach(library ${SPECTRUMCHART_LIBRARIES})
  set_target_properties(${library} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES
    "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>;$<INSTALL_INTERFACE:${SPECTRUMCHART_INCLUDE_DIR}>")
endforeach()

install(TARGETS ${SPECTRUMCHART_LIBRARIES} EXPORT SpectrumChartTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY src/chart/ DESTINATION ${SPECTRUMCHART_INCLUDE_DIR}/chart FILES_MATCHING PATTERN "*.h")
install(DIRECTORY src/platform/ DESTINATION ${SPECTRUMCHART_INCLUDE_DIR}/platform FILES_MATCHING PATTERN "*.h")
# Only the entry point: the rest of src/fft is the engine's inside.
install(FILES src/fft/uFFTasm.h DESTINATION ${SPECTRUMCHART_INCLUDE_DIR}/fft)

install(EXPORT SpectrumChartTargets NAMESPACE SpectrumChart:: DESTINATION ${SPECTRUMCHART_CMAKE_DIR})
configure_package_config_file(cmake/PackageConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/SpectrumChartConfig.cmake
                              INSTALL_DESTINATION ${SPECTRUMCHART_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/SpectrumChartConfigVersion.cmake
                                 VERSION 1.0.0 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/SpectrumChartConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/SpectrumChartConfigVersion.cmake
        DESTINATION ${SPECTRUMCHART_CMAKE_DIR})
