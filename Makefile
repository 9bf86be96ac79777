# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
WORKSPACE ?= workspace
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

# A workspace folder (ignored by git) set up from the sample bank on first
# use; later runs keep the styles and count files made there.
run: build
	@if [ ! -d $(WORKSPACE) ]; then mkdir -p $(WORKSPACE) && cp -n data/luke/* $(WORKSPACE)/ 2>/dev/null; echo "Workspace $(WORKSPACE)/ set up from data/luke/"; fi
	cd $(WORKSPACE) && ../$(BUILD)/tessarin

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
