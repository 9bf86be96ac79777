# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
WORKSPACE ?= workspace
SAMPLE ?= data/luke
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# The CI build treats warnings as errors (CI=true is set by the CI runner).
CMAKE_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DTESS_WERROR=ON
endif

.PHONY: all build program run test bench bench-terminal deps clean fuzz install package asan

all: build

# Installs what a fresh machine lacks (only when something is missing).
deps:
	@./tools/install-deps.sh

$(BUILD)/CMakeCache.txt: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The program alone: no test binary.
program: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target tessarin

# The program works in a workspace folder (ignored by git). Files of the
# sample bank that the workspace lacks are copied in; styles, count files and
# output made there are never overwritten. An empty or missing sample folder
# only means an empty workspace.
run: program
	@mkdir -p $(WORKSPACE)
	@if [ -d $(SAMPLE) ]; then \
	  for f in $(SAMPLE)/*; do \
	    [ -f "$$f" ] || continue; \
	    [ -e "$(WORKSPACE)/$${f##*/}" ] || cp "$$f" $(WORKSPACE)/; \
	  done; \
	fi
	cd $(WORKSPACE) && $(abspath $(BUILD))/tessarin

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Timings of the costly stages on the sample bank (needs libbenchmark-dev).
# Each figure is the median of BENCH_REPS runs; the machine may be shared.
BENCH_REPS ?= 5
BENCH_ARGS ?= --benchmark_repetitions=$(BENCH_REPS) --benchmark_report_aggregates_only=true
bench: deps $(BUILD)/CMakeCache.txt
	@[ -f /usr/include/benchmark/benchmark.h ] || { echo "make bench needs Google Benchmark (apt-get install libbenchmark-dev)"; exit 1; }
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS) --target tessarin_bench
	$(BUILD)/tessarin_bench $(BENCH_ARGS)

# The heavy run through the real binary in tmux: bytes sent to the terminal
# and the time of the slow keys (bench/terminal-paint.sh; needs tmux).
bench-terminal: program
	bench/terminal-paint.sh $(BUILD)/tessarin $(BENCH_REPS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

# The whole test suite built with AddressSanitizer and UBSan, in its own
# build folder; the terminal tests run the sanitized program in tmux too.
ASAN_BUILD ?= build-asan
asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESS_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target tessarin tessarin_tests
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Short libFuzzer runs of the input readers (clang; FUZZ_SECONDS each).
# Crashes land in $(FUZZ_BUILD)/crashes; the corpora grow in $(FUZZ_BUILD)/corpus.
# The inputs the repository keeps in tests/fuzz/corpus/<target> are run first,
# each once: in the corpus their mutations would stay as large and slow (5 runs
# a second against 150). The mutation goes up to FUZZ_MAX_LEN, which holds a
# line of 65,535 characters (libharu's longest string) and 32,767 form feeds
# (its most pages), which 4,000 bytes never reached.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_MAX_LEN ?= 70000
fuzz:
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DTESS_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@mkdir -p $(FUZZ_BUILD)/crashes
	@for f in $(FUZZ_BUILD)/fuzz_*; do \
	  n=$${f##*/}; mkdir -p $(FUZZ_BUILD)/corpus/$$n; \
	  seeds=tests/fuzz/corpus/$${n#fuzz_}; \
	  echo "== $$n"; \
	  if [ -d $$seeds ]; then $$f -timeout=20 -artifact_prefix=$(FUZZ_BUILD)/crashes/$$n- $$seeds/* || exit 1; fi; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -timeout=20 -len_control=0 -max_len=$(FUZZ_MAX_LEN) -artifact_prefix=$(FUZZ_BUILD)/crashes/$$n- \
	    $(FUZZ_BUILD)/corpus/$$n || exit 1; \
	done

# Installs what `make` built (the program, its sample bank, man page,
# documents and completions) under PREFIX; the program looks there for the
# sample that `tessarin init` copies. It never builds: `sudo make install`
# would otherwise leave root's files in the build folder. CMake's list of
# what it installed is given back to the build folder's owner.
PREFIX ?= /usr/local
install:
	@[ -x $(BUILD)/tessarin ] && [ -f $(BUILD)/cmake_install.cmake ] || \
	  { echo "make install: nothing is built in $(BUILD)/ yet: run make first (as yourself), then make install" >&2; exit 1; }
	cmake --install $(BUILD) --prefix $(PREFIX) --strip
	@chown --reference=$(BUILD) $(BUILD)/install_manifest.txt 2>/dev/null || true

# A Debian package of the same files (installed under /usr), in $(BUILD)/.
package: program
	cd $(BUILD) && cpack -G DEB
