# The two commands of the README, and the developer targets.
#   make demo      build orvane-tools and run its built-in tour
#   make test      build and run every test: a plain build (g++), then an ASan+UBSan build (clang++)
#   make fuzz      run every fuzz target for FUZZ_SECONDS (default 60) under ASan+UBSan
#   make coverage  run the tests on an instrumented build and print the library's coverage
#   make docs      the API reference from the header comments (build-docs/html); any warning fails
#   make bench     install the peer libraries, build at -O2 and -O3, run every benchmark in each,
#                  print the table with both ratios
#   make verify    the numerics beside GSL on a million random polynomials (about 20 s)
#   make mutate    plant every fault of scripts/mutants/ in turn, run the suite against each and
#                  print the kill rate per subsystem and every fault that survived

JOBS ?= 2
FUZZ_SECONDS ?= 60
GENERATOR := $(if $(shell command -v ninja 2>/dev/null),-G Ninja,)
CMAKE_CONFIGURE = cmake -S . $(GENERATOR) -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: demo test test-plain test-sanitize verify mutate fuzz coverage docs bench clean

demo:
	@scripts/setup.sh base
	@$(CMAKE_CONFIGURE) -B build -DCMAKE_CXX_COMPILER=g++ >/dev/null
	@echo "Building orvane-tools (log: build/demo-build.log)..."
	@cmake --build build --target orvane-tools -j $(JOBS) >build/demo-build.log 2>&1 \
	  || { cat build/demo-build.log; exit 1; }
	@./build/cli/orvane-tools demo

test: test-plain test-sanitize

test-plain:
	@scripts/setup.sh base
	$(CMAKE_CONFIGURE) -B build -DCMAKE_CXX_COMPILER=g++ >/dev/null
	cmake --build build -j $(JOBS)
	cd build && ctest --output-on-failure -j $(JOBS)

test-sanitize:
	@scripts/setup.sh sanitize
	$(CMAKE_CONFIGURE) -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DORVANE_SANITIZE=ON >/dev/null
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

VERIFY_POLYNOMIALS ?= 1000000
verify:
	@scripts/setup.sh base
	$(CMAKE_CONFIGURE) -B build -DCMAKE_CXX_COMPILER=g++ >/dev/null
	cmake --build build -j $(JOBS) --target orvane_tests
	ORVANE_PEER_POLYNOMIALS=$(VERIFY_POLYNOMIALS) ./build/tests/orvane_tests \
	  --gtest_filter='PeerComparison.*'

mutate:
	@scripts/setup.sh mutate
	python3 scripts/mutate.py --jobs $(JOBS)

fuzz:
	@scripts/setup.sh fuzz
	$(CMAKE_CONFIGURE) -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DORVANE_BUILD_FUZZ=ON -DORVANE_SANITIZE=ON -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_CLI=OFF \
	  -DBUILD_SHARED_LIBS=OFF >/dev/null
	cmake --build build-fuzz -j $(JOBS)
	fuzz/run_all.sh build-fuzz/fuzz $(FUZZ_SECONDS)

coverage:
	@scripts/setup.sh coverage
	$(CMAKE_CONFIGURE) -B build-coverage -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Debug \
	  -DORVANE_COVERAGE=ON -DORVANE_BUILD_CLI=OFF >/dev/null
	cmake --build build-coverage -j $(JOBS)
	find build-coverage -name '*.gcda' -delete
	cd build-coverage && ctest -j $(JOBS) >/dev/null
	gcovr --root . --filter 'orvane/' --exclude-throw-branches --print-summary \
	  --txt build-coverage/coverage.txt build-coverage
	@echo "(per-file table: build-coverage/coverage.txt)"

# Doxygen writes every warning to build-docs/warnings.log and fails on any of them.
docs:
	@scripts/setup.sh docs
	@rm -rf build-docs && mkdir -p build-docs
	@doxygen docs/Doxyfile || { cat build-docs/warnings.log; \
	  echo "make docs: $$(grep -c . build-docs/warnings.log) warnings" >&2; exit 1; }
	@if [ -s build-docs/warnings.log ]; then cat build-docs/warnings.log; exit 1; fi
	@echo "API reference: build-docs/html/index.html"

# Two builds, each with its own copy of every peer compiled alongside: build-bench/o2 with the
# library's default build type (RelWithDebInfo, -O2 -g) and build-bench/o3 (Release, -O3), neither
# with -march. The table gives both ratios side by side. BENCH_FILTER picks workloads by a regular
# expression (BENCH_FILTER='grep|eval'); BENCH_ARGS passes further options to Google Benchmark.
BENCH_REPETITIONS ?= 5
BENCH_FILTER ?= .
BENCH_ARGS ?=
BENCH_BUILDS := o2:RelWithDebInfo o3:Release
bench:
	@scripts/setup.sh bench
	@set -e; for b in $(BENCH_BUILDS); do \
	  dir=build-bench/$${b%%:*}; \
	  $(CMAKE_CONFIGURE) -B $$dir -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=$${b#*:} \
	    -DORVANE_BUILD_BENCH=ON -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_CLI=OFF >/dev/null; \
	  cmake --build $$dir -j $(JOBS); \
	done
	@set -e; for b in $(BENCH_BUILDS); do \
	  dir=build-bench/$${b%%:*}; echo "running $$dir/bench/orvane-bench"; \
	  ./$$dir/bench/orvane-bench --benchmark_repetitions=$(BENCH_REPETITIONS) \
	    --benchmark_enable_random_interleaving=true --benchmark_display_aggregates_only=true \
	    --benchmark_out=$$dir/bench-results.json \
	    --benchmark_out_format=json --benchmark_filter='$(BENCH_FILTER)' $(BENCH_ARGS) \
	    >$$dir/bench-console.txt; \
	done
	@python3 bench/report.py -O2=build-bench/o2/bench-results.json \
	  -O3=build-bench/o3/bench-results.json | tee build-bench/bench-table.md
	@echo "(raw results: build-bench/o2/bench-results.json, build-bench/o3/bench-results.json)"

clean:
	rm -rf build build-sanitize build-fuzz build-coverage build-docs build-bench build-mutate .fuzz-work
