# Two entry points for a fresh Debian 12 machine, run as the desktop user:
#   make run    installs what is missing, builds the program, starts the globe
#   make test   installs what is missing, builds, runs every test headless
# and, for developers and CI:
#   make bench, make deb, make pictures, make format
#   make test-sanitize   every test again, built with the sanitizers
#   make fuzz-smoke      each fuzz target over its seeds, then 60 s of fuzzing
BUILD ?= build
DEB_BUILD ?= build-deb
# Only apt-get needs root: a desktop user gets it through sudo, a root shell
# (as in CI) runs it directly. Nothing else runs as root.
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The Debian packages the project needs to build, test and package itself.
# One a line, in alphabetical order.
PACKAGES := \
	appstream \
	clang \
	clang-format \
	cmake \
	desktop-file-utils \
	dpkg-dev \
	file \
	fonts-ipafont-gothic \
	g++ \
	imagemagick \
	libbenchmark-dev \
	libclang-rt-14-dev \
	libgl-dev \
	libsdl2-dev \
	libxcb1-dev \
	lintian \
	make \
	man-db \
	ninja-build \
	openbox \
	pkg-config \
	pulseaudio \
	pulseaudio-utils \
	qt6-base-dev \
	qt6-wayland \
	sox \
	strace \
	weston \
	x11-apps \
	x11-utils \
	xauth \
	xdotool \
	xvfb \
	# end of PACKAGES

.PHONY: setup configure build run test bench deb pictures format sanitize-build test-sanitize \
        fuzz-smoke
setup:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "installing:" $$missing; \
	  if [ -n "$(SUDO)" ] && ! command -v sudo >/dev/null; then \
	    echo "apt-get needs root and sudo is not installed: see the README's first steps"; \
	    exit 1; \
	  fi; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: setup
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_OPTIONS)

build: configure
	cmake --build $(BUILD)

# Only the program and the files it reads beside itself.
run: configure
	cmake --build $(BUILD) --target yukipom-runtime
	$(BUILD)/bin/yukipom

test: build
	ctest --test-dir $(BUILD) --output-on-failure

bench: CMAKE_OPTIONS += -DYUKIPOM_BUILD_BENCHMARKS=ON
bench: build
	for b in $(BUILD)/bin/bench_*; do $$b; done

# yukipom_<version>_<arch>.deb in $(DEB_BUILD), built with Debian's hardening
# flags, then checked by lintian.
deb: setup
	DEB_BUILD_MAINT_OPTIONS=hardening=+all; export DEB_BUILD_MAINT_OPTIONS; \
	cmake -S . -B $(DEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(DEB_BUILD)
	cd $(DEB_BUILD) && cpack
	lintian --fail-on error $(DEB_BUILD)/yukipom_*.deb

# The README's screenshot and animated picture, drawn by the preview tool.
pictures: CMAKE_OPTIONS += -DYUKIPOM_BUILD_TOOLS=ON
pictures: configure
	cmake --build $(BUILD) --target readme-pictures

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
