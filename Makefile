# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
WORKSPACE ?= workspace
SAMPLE ?= data/luke
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test deps clean

all: build

# Installs what a fresh machine lacks (only when something is missing).
deps:
	@./tools/install-deps.sh

$(BUILD)/CMakeCache.txt: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The program works in a workspace folder (ignored by git). Files of the
# sample bank that the workspace lacks are copied in; styles, count files and
# output made there are never overwritten. An empty or missing sample folder
# only means an empty workspace.
run: build
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

clean:
	rm -rf $(BUILD)
