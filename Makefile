# make run   build, then show the agreement window for the sample disc under Wine
# make test  install what is missing, build both architectures, run every test
BUILD := build
CMAKE_WIN := -DCMAKE_BUILD_TYPE=Release

.PHONY: all build deps run test screenshot clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(CMAKE_WIN) > /dev/null
	@cmake --build $(BUILD)/win32 -j2
	@cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake $(CMAKE_WIN) \
		-DDISCGATE_TEST_TOOLS=ON > /dev/null
	@cmake --build $(BUILD)/win64 -j2
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug > /dev/null
	@cmake --build $(BUILD)/native -j2

run: build
	@python3 tools/show.py

test: build
	@python3 tests/run_all.py

# The screenshot the README shows.
screenshot: build
	@python3 tools/show.py --screenshot docs/screenshot.png

clean:
	rm -rf $(BUILD)
