# make run        installs what is missing, builds, and opens the editor on a copy of the example route
# make test       installs what is missing, builds, and runs every test through ctest
# make test-shuffled  the same tests again, each program's functions in a random order
# make test-asan  the same tests built with the address and undefined-behaviour sanitizers
# make fuzz       runs every fuzzer (route files, GTFS feeds) for FUZZ_SECONDS seconds, one after the other
# make monkey     random edits on the route page, undone and redone: MONKEY_SEEDS seeds of MONKEY_ACTIONS each
# make screenshots  renders the README's pictures of the editor into docs/images
# make package    builds, and leaves the Debian package marvolt_<version>_<arch>.deb in build/
#
# Qt 5 is the default; QT=6 builds the same sources with Qt 6 in a folder of its own
# (build-qt6), for every target above: "make QT=6 test", "make QT=6 run", "make QT=6 package".

QT ?= 5
ifeq ($(QT),5)
BUILD_DIR ?= build
else
BUILD_DIR ?= build-qt$(QT)
endif
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
EXAMPLE_COPY = $(BUILD_DIR)/example/route-12
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_stationlist fuzz_sideboard fuzz_backboard fuzz_script fuzz_coord fuzz_adtextlist \
	fuzz_decodefiletext fuzz_gtfsfeed

# Any sanitizer report fails the test that caused it. Leaks are reported too, except the one of
# Qt's offscreen screen named in the suppressions file.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0

.PHONY: all deps configure build run test test-shuffled test-asan fuzz monkey screenshots package clean

all: build

deps:
	./scripts/install-deps.sh $(QT)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DMARVOLT_QT=$(QT)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The editor works on a copy, so that saving never changes the example kept in the sources.
run: build
	@if [ ! -d "$(EXAMPLE_COPY)" ]; then mkdir -p "$(dir $(EXAMPLE_COPY))" && cp -r examples/route-12 "$(EXAMPLE_COPY)"; fi
	$(BUILD_DIR)/app/marvolt "$(EXAMPLE_COPY)"

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -LE shuffled

# Every test program again, its functions in a random order and the programs too, so that a test
# that needs another to run first shows.
test-shuffled: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -L shuffled --schedule-random

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DMARVOLT_QT=$(QT) -DMARVOLT_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -LE shuffled

# The fuzzers need clang's libFuzzer, so they have a build folder of their own; the normal
# build stays on g++.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DMARVOLT_QT=$(QT) -DMARVOLT_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target $(FUZZ_TARGETS)
	./scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The long run of the monkey test that ctest runs short; a failure names the seed to repeat it with
# ("tests/tst_monkey -seed S -seeds 1 -actions N"). Each seed may take minutes.
MONKEY_SEEDS ?= 50
MONKEY_ACTIONS ?= 2000
monkey: build
	QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=1800000 $(BUILD_DIR)/tests/tst_monkey -silent \
		-seed 1 -seeds $(MONKEY_SEEDS) -actions $(MONKEY_ACTIONS)

# The pictures of the README, made by the program itself on a fresh copy of the example route;
# run again whenever the route page changes.
SCREENSHOT_ROUTE = $(BUILD_DIR)/screenshots/route-12
screenshots: build
	rm -rf "$(dir $(SCREENSHOT_ROUTE))" && mkdir -p "$(dir $(SCREENSHOT_ROUTE))" docs/images
	cp -r examples/route-12 "$(SCREENSHOT_ROUTE)"
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshots/marvolt-screenshots docs/images "$(SCREENSHOT_ROUTE)"
	for board in front side back; do \
		$(BUILD_DIR)/cli/marvolt-route render "$(SCREENSHOT_ROUTE)" --board $$board --png docs/images/board-$$board.png \
			|| exit 1; \
	done

package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
