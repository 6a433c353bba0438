# Two entry points for a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the globe
#   make test   installs what is missing, builds, runs every test headless
BUILD ?= build
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev libsdl2-dev \
            fonts-ipafont-gothic xvfb xauth imagemagick x11-apps x11-utils libbenchmark-dev \
            sox clang-format libxcb1-dev qt6-wayland weston openbox xdotool \
            pulseaudio pulseaudio-utils

.PHONY: setup build run test bench format
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
