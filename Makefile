# make run   build, then show the agreement window for the sample disc under Wine
# make test  install what is missing, build both architectures, run every test
# make lint  clang-tidy and cppcheck; make fuzz  each fuzzer for FUZZ_SECONDS seconds
# make bench  timings under Wine; make dist  the release zip
BUILD := build
CMAKE_WIN := -DCMAKE_BUILD_TYPE=Release
FUZZ_SECONDS ?= 60
FUZZERS := licence launch

.PHONY: all build deps run test screenshot lint fuzz fuzz-build bench dist clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(CMAKE_WIN) \
		-DDISCGATE_TEST_TOOLS=ON > /dev/null
	@cmake --build $(BUILD)/win32 -j2
	@cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake $(CMAKE_WIN) \
		-DDISCGATE_TEST_TOOLS=ON > /dev/null
	@cmake --build $(BUILD)/win64 -j2
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug > /dev/null
	@cmake --build $(BUILD)/native -j2

run: build
	@python3 tools/show.py

test: build fuzz-build
	@python3 tests/run_all.py

# The release: make dist [SIGN_PFX=cert.pfx SIGN_PASSWORD_FILE=file [SIGN_TIMESTAMP_URL=url]]
#   [DISC_CONTENT=folder [DISC_LABEL=label] [DISC_EXE_NAME=setup.exe]]
#   [DISC_COMPANY="Author Ltd"] [DISC_PRODUCT="Product"]
dist: deps
	@cmake -S . -B $(BUILD)/release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(CMAKE_WIN) \
		-DDISCGATE_COMPANY="$(DISC_COMPANY)" -DDISCGATE_PRODUCT="$(or $(DISC_PRODUCT),discgate)" \
		> /dev/null
	@cmake --build $(BUILD)/release -j2 --target discgate
	@python3 tools/make_dist.py $(BUILD)/release/discgate.exe dist \
		$(if $(SIGN_PFX),--sign-pfx "$(SIGN_PFX)" --sign-password-file "$(SIGN_PASSWORD_FILE)") \
		$(if $(SIGN_TIMESTAMP_URL),--timestamp-url "$(SIGN_TIMESTAMP_URL)") \
		$(if $(DISC_CONTENT),--disc-content "$(DISC_CONTENT)") \
		$(if $(DISC_LABEL),--disc-label "$(DISC_LABEL)") \
		$(if $(DISC_EXE_NAME),--disc-exe-name "$(DISC_EXE_NAME)")

# Start-up, acceptance, memory and size under Wine, beside a minimal program (BENCH_RUNS runs).
bench: build
	@python3 bench/bench.py

lint: build
	@tools/lint.sh

fuzz-build: deps
	@cmake -S . -B $(BUILD)/fuzz -DCMAKE_CXX_COMPILER=clang++ -DDISCGATE_FUZZ=ON \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(BUILD)/fuzz -j2

# New inputs go to build/fuzz/corpus-*; the seeds in tests/fuzz/corpus are only read.
fuzz: fuzz-build
	@for fuzzer in $(FUZZERS); do \
		mkdir -p $(BUILD)/fuzz/corpus-$$fuzzer && \
		$(BUILD)/fuzz/fuzz_$$fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$(BUILD)/fuzz/ \
			$(BUILD)/fuzz/corpus-$$fuzzer tests/fuzz/corpus/$$fuzzer || exit 1; \
	done

# The screenshot the README shows.
screenshot: build
	@python3 tools/show.py --screenshot docs/screenshot.png

clean:
	rm -rf $(BUILD) dist
