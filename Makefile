# Two entry points for a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the globe
#   make test   installs what is missing, builds, runs every test headless
# and, for developers and CI:
#   make test-sanitize   every test again, built with the sanitizers
#   make fuzz-smoke      each fuzz target over its seeds, then 60 s of fuzzing
BUILD ?= build
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev libsdl2-dev \
            fonts-ipafont-gothic xvfb xauth imagemagick x11-apps x11-utils libbenchmark-dev \
            sox clang-format libxcb1-dev qt6-wayland weston openbox xdotool \
            clang libclang-rt-14-dev

.PHONY: setup build run test bench format sanitize-build test-sanitize fuzz-smoke
setup:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: setup
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/yukipom

test: build
	ctest --test-dir $(BUILD) --output-on-failure

bench: build
	for b in $(BUILD)/bin/bench_*; do $$b; done

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

# A second tree, built by clang with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer, holds the fuzz targets too.
# Leaks that libraries make and cannot be fixed here are suppressed, each
# with its reason, in cmake/lsan-suppressions.txt.
SANITIZE_BUILD ?= build-sanitize
SANITIZER_REPORTS = $(abspath $(SANITIZE_BUILD))/sanitizer-reports
SANITIZER_ENV = LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan-suppressions.txt:print_suppressions=0 \
                UBSAN_OPTIONS=print_stacktrace=1

sanitize-build: setup
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DYUKIPOM_SANITIZE=ON
	$(SANITIZER_ENV) cmake --build $(SANITIZE_BUILD)

# Reports go to files, so that one from a program a test starts is caught
# even when the test itself passes; any report fails the run. Allocations
# are traced through libraries built without frame pointers too, so that a
# leak is matched to the library that made it.
test-sanitize: sanitize-build
	rm -rf $(SANITIZER_REPORTS) && mkdir -p $(SANITIZER_REPORTS)
	$(SANITIZER_ENV) ASAN_OPTIONS=fast_unwind_on_malloc=0:log_path=$(SANITIZER_REPORTS)/report \
	  ctest --test-dir $(SANITIZE_BUILD) --output-on-failure; status=$$?; \
	if [ -n "$$(ls -A $(SANITIZER_REPORTS))" ]; then \
	  cat $(SANITIZER_REPORTS)/*; echo "sanitizer reports: see above"; exit 1; fi; \
	exit $$status

fuzz-smoke: sanitize-build
	$(SANITIZER_ENV) fuzz/smoke.sh $(SANITIZE_BUILD) 60
