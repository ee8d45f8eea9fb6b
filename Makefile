# The two set-up commands of the README, and the developer targets around them.
BUILD     ?= build
SAN_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS      ?= $(shell nproc)
PACKAGES  := g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
             qt6-base-dev libgl-dev fonts-dejavu-core xvfb xauth clang libclang-rt-14-dev \
             desktop-file-utils appstream dpkg-dev
SHOT_PACKAGES := chromium

.PHONY: run test bench package fuzz screenshots deps configure build sanitize-build fuzz-build clean

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "cwreadme needs a display: run it in a desktop session, or try 'xvfb-run make run'."; \
	    exit 1; \
	fi
	$(BUILD)/app/cwreadme

# Every test twice, as built for users and under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the readme fuzzer for half a minute.
test: build sanitize-build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=30

package: build
	cd $(BUILD) && cpack -G DEB

fuzz: fuzz-build
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bench/readme_bench
	$(BUILD)/bench/page_change_bench --benchmark_report_aggregates_only=true 2>/dev/null
	$(BUILD)/bench/startup_bench $(BUILD)/bench/startup_app $(BUILD)/bench/startup_floor

screenshots: build
	@scripts/install-deps.sh $(SHOT_PACKAGES)
	scripts/screenshots.sh $(BUILD) docs

deps:
	@scripts/install-deps.sh $(PACKAGES)

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

sanitize-build: deps
	@[ -f $(SAN_BUILD)/CMakeCache.txt ] || \
	    cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCWREADME_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)

fuzz-build: deps
	@[ -f $(FUZZ_BUILD)/CMakeCache.txt ] || CXX=clang++ \
	    cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCWREADME_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
