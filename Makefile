# The two commands of the README:
#   make run    build the programs, put them and the shipped data into the working
#               folder run/E (made once, kept between runs) and start the main
#               program there (EDITION=E English, EDITION=J Japanese)
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

.PHONY: all deps configure build programs test test-main test-sanitize run data clean

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

# The programs that `make run` starts and copies; `make test` builds the rest.
PROGRAMS := vorn-E vorn-J Vorn18E_PDD vorn18J_PDD Tubrin Ovalis Lapmoor

programs: configure
	cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMS)

# The working folder is made once. Later runs put the programs in afresh and
# add the shipped data files that are missing, but never replace or delete a
# file that is there: the user name kept in Primary.dat and dATR.dat, the site
# list, saved result files, PDF sheets and output-data files are the user's.
# (`install` writes a new file in place of a program, so a program still
# running there goes on undisturbed.)
run: programs
	@mkdir -p "$(WORKDIR)"
	@for p in apps/vorn-E apps/vorn-J apps/Vorn18E_PDD apps/vorn18J_PDD \
	          tools/bsfprog/Tubrin tools/bsfprog/Ovalis tools/bsfprog/Lapmoor; do \
	  install -m 755 "$(BUILD)/$$p" "$(WORKDIR)/" || exit 1; \
	done
	@cd data && find . -type f -exec sh -c 'for f; do t="$$0/$$f"; \
	  if [ ! -e "$$t" ] && [ ! -L "$$t" ]; then mkdir -p "$${t%/*}" && cp -p "$$f" "$$t" || exit 1; fi; \
	  done' "$(WORKDIR)" {} +
	@cd "$(WORKDIR)" && if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./vorn-$(EDITION); \
	  else xvfb-run -a ./vorn-$(EDITION); fi

# Regenerates every shipped data table (the Monte Carlo tables take tens of minutes).
data: build
	$(BUILD)/tools/datagen/vorn-datagen --out data

clean:
	rm -rf $(BUILD) $(SANBUILD)
