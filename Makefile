# make run   build, then show the agreement window for the sample disc under Wine
# make test  install what is missing, build both architectures, run every test
# make deps  install what is missing; the other targets never install: they name what is missing
# make lint  formatting, includes, clang-tidy and cppcheck; make fuzz  each fuzzer for FUZZ_SECONDS
# make bench  timings under Wine; make dist  the release zip and disc image (see below)
BUILD := build
FUZZ_SECONDS ?= 60
FUZZERS := licence launch rtf
# Debian's own Python, which has pytest.
PYTHON := /usr/bin/python3

.PHONY: all build check-deps deps run test screenshot lint fuzz fuzz-build bench dist clean

all: build

deps:
	@tools/install-deps.sh

check-deps:
	@tools/install-deps.sh --check

# The build trees are CMakePresets.json's.
build: check-deps
	@for preset in win32 win64 native; do \
		cmake --preset $$preset > /dev/null && cmake --build $(BUILD)/$$preset -j2 || exit 1; \
	done

run: deps build
	@$(PYTHON) tools/show.py

test: deps build fuzz-build
	@$(PYTHON) tests/run_all.py

# The release: make dist [DISC_CONTENT=folder] [DISC_LABEL=label] [DISC_EXE_NAME=setup.exe]
#   [DISC_COMPANY="Author Ltd"] [DISC_PRODUCT="Product"]
#   [SIGN_PFX=cert.pfx SIGN_PASSWORD_FILE=file [SIGN_TIMESTAMP_URL=url]]
# What an author sets reaches the release tool through the environment exactly as typed: make
# does not expand it and no shell reads it. Make would hand values from its command line to every
# make below it (the builds cmake starts) as make text, to be expanded there: it hands none on.
DIST_SETTINGS := DISC_CONTENT DISC_LABEL DISC_EXE_NAME DISC_COMPANY DISC_PRODUCT \
	DISC_ALLOW_SECRETS SIGN_PFX SIGN_PASSWORD_FILE SIGN_TIMESTAMP_URL DIST_FOLDER
# Every value given on the command line, these and any other (SOURCE_DATE_EPOCH), is taken as
# plain text: make would expand it, running a $(shell ...) in it, when it exports it to a recipe.
$(foreach setting,$(sort $(DIST_SETTINGS) $(foreach variable,$(.VARIABLES),$(if \
	$(filter command line,$(origin $(variable))),$(variable)))),$(eval override $(setting) := \
	$$(value $(setting))))
export $(DIST_SETTINGS)
MAKEOVERRIDES :=

dist:
	@tools/install-deps.sh --check release
	@$(PYTHON) tools/make_dist.py

# Start-up, acceptance, memory and size under Wine, beside a minimal program (BENCH_RUNS runs).
bench: build
	@$(PYTHON) bench/bench.py

lint: build
	@tools/lint.sh

fuzz-build: check-deps
	@cmake --preset fuzz > /dev/null
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
	@$(PYTHON) tools/show.py --screenshot docs/screenshot.png

clean:
	rm -rf $(BUILD) dist
