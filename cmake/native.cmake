# Linux-only targets: benchmarks and fuzzers over the portable core.
find_package(benchmark QUIET)
file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
list(FILTER bench_sources EXCLUDE REGEX "_win32\\.cpp$")
if(benchmark_FOUND AND bench_sources)
  add_executable(kestrix_bench ${bench_sources})
  target_link_libraries(kestrix_bench PRIVATE kestrix_fakes benchmark::benchmark_main)
  target_compile_options(kestrix_bench PRIVATE ${KESTRIX_WARNINGS})
endif()
