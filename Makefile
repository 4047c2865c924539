# The two commands of the README:
#   make run    build, copy the shipped data into a fresh working folder and
#               start the main program there (EDITION=E English, EDITION=J Japanese)
#   make test   build and run the whole test suite (also under the sanitizers)
# Both install the Debian packages they need first when they are missing.

EDITION ?= E
BUILD   ?= build
SANBUILD ?= build-sanitize
JOBS    ?= $(shell nproc)
WORKDIR ?= $(CURDIR)/run/$(EDITION)

PACKAGES := cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev libxrl-dev xvfb xauth fonts-noto-cjk fonts-liberation2 poppler-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build test test-main test-sanitize run data clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# The project's own builds treat warnings as errors (a packager's plain CMake
# build does not); a build folder configured before that option existed gets it too.
WERROR_SET = grep -q '^VORN_WERROR:BOOL=ON$$' $(1)/CMakeCache.txt

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_WERROR=ON; \
	elif ! $(call WERROR_SET,$(BUILD)); then cmake -S . -B $(BUILD) -DVORN_WERROR=ON; fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: test-main test-sanitize

test-main: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The unit tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@if [ ! -f $(SANBUILD)/build.ninja ]; then \
	  cmake -S . -B $(SANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DVORN_SANITIZE=ON -DVORN_WITH_QT=OFF -DVORN_BENCHMARKS=OFF -DVORN_WERROR=ON; \
	elif ! $(call WERROR_SET,$(SANBUILD)); then cmake -S . -B $(SANBUILD) -DVORN_WERROR=ON; fi
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ctest --output-on-failure -j $(JOBS) -L unit

run: build
	@if [ -x $(BUILD)/apps/vorn-$(EDITION) ]; then \
	  rm -rf "$(WORKDIR)" && mkdir -p "$(WORKDIR)" && cp -r data/. "$(WORKDIR)/" && \
	  cp $(BUILD)/apps/vorn-* $(BUILD)/apps/vorn18*_PDD $(BUILD)/apps/Vorn18*_PDD $(BUILD)/tools/*/Tubrin \
	     $(BUILD)/tools/*/Ovalis $(BUILD)/tools/*/Lapmoor "$(WORKDIR)/" 2>/dev/null; \
	  cd "$(WORKDIR)" && if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./vorn-$(EDITION); \
	  else xvfb-run -a ./vorn-$(EDITION); fi; \
	else \
	  echo "The windows of the main program come with a later change; the computing core is built and tested by 'make test'."; \
	fi

# Regenerates every shipped data table (the Monte Carlo tables take tens of minutes).
data: build
	$(BUILD)/tools/datagen/vorn-datagen --out data

clean:
	rm -rf $(BUILD) $(SANBUILD)
