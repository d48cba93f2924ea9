# Vantrel: the two commands a newcomer needs.
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
# Other targets: build, package (the Debian package vantrel_VERSION_ARCH.deb),
# web (the browser edition in build-web/site), web-serve (it, on localhost),
# web-deps (its toolchain: with it installed, make test tests the module too),
# web-test-deps (the toolchain and a browser: make test tests the page too),
# sanitize-test (address + undefined-behaviour build of the core and CLI),
# fuzz (the project-file decoder and the CSV reader, FUZZ_SECONDS each), bench, clean.

BUILD_DIR     ?= build
SANITIZE_DIR  ?= build-sanitize
BUILD_TYPE    ?= Release
JOBS          ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS  ?= 60

# Debian 12 packages the build, the tests and the program need.
PACKAGES := cmake make g++ pkg-config \
            qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins libqt6svg6 \
            nlohmann-json3-dev libfast-float-dev libfmt-dev \
            libgtest-dev libgmock-dev libbenchmark-dev \
            clang libclang-rt-14-dev \
            fonts-liberation poppler-utils xvfb xauth \
            desktop-file-utils shared-mime-info appstream lintian \
            dpkg-dev file gzip

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# ccache, where installed, makes rebuilds of other checkouts cheap; it is optional.
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: run test build package deps configure sanitize-test fuzz bench clean web web-deps web-test-deps web-serve

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(LAUNCHER)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x $(BUILD_DIR)/bin/vantrel ]; then \
	  $(BUILD_DIR)/bin/vantrel; \
	else \
	  echo "No display found: showing the worked example with the command-line calculator instead."; \
	  echo "(Start the window with 'make run' from a desktop session, or under 'xvfb-run'.)"; \
	  echo; \
	  $(BUILD_DIR)/bin/vantrel-cli calc examples/worked-example.vtl; \
	  status=$$?; [ $$status -le 1 ]; \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The package lands in this folder, ready for "sudo apt install ./vantrel_VERSION_ARCH.deb".
package: build
	rm -f $(BUILD_DIR)/vantrel_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	cp $(BUILD_DIR)/vantrel_*.deb .
	@ls -1 vantrel_*.deb

sanitize-test: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON \
	      -DVANTREL_GUI=OFF -DVANTREL_BENCH=OFF $(LAUNCHER)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	bash fuzz/run.sh $(FUZZ_SECONDS)

bench: build
	$(BUILD_DIR)/bench/calculate_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	$(BUILD_DIR)/bench/search_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	$(BUILD_DIR)/bench/batch_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	bash bench/batch_memory.sh 1000000 $(BUILD_DIR)/bin/vantrel-cli

# The browser edition: Debian's Emscripten builds the core into static files,
# index.html at the top of $(WEB_DIR)/site (any static web host serves it).
WEB_DIR      ?= build-web
WEB_PORT     ?= 8000
WEB_PACKAGES := cmake make python3 nodejs emscripten nlohmann-json3-dev libfast-float-dev libfmt-dev \
                python3-fonttools fonts-liberation
# The page's tests drive a real browser.
WEB_TEST_PACKAGES := chromium chromium-driver python3-selenium poppler-utils

web-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_PACKAGES)"

web-test-deps: web-deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_TEST_PACKAGES)"

web: web-deps
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB_DIR) -DCMAKE_BUILD_TYPE=Release \
	      -DVANTREL_GUI=OFF -DVANTREL_TESTS=OFF -DVANTREL_BENCH=OFF
	cmake --build $(WEB_DIR) -j $(JOBS)
	@ls -l $(WEB_DIR)/site

web-serve: web
	@echo "Vantrel in the browser: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_DIR)/site

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(WEB_DIR)
