# The two set-up commands of the README, and the developer targets around them.
BUILD     ?= build
JOBS      ?= $(shell nproc)
PACKAGES  := g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
             qt6-base-dev libgl-dev fonts-dejavu-core xvfb xauth
SHOT_PACKAGES := chromium

.PHONY: run test bench screenshots deps configure build clean

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "cwreadme needs a display: run it in a desktop session, or try 'xvfb-run make run'."; \
	    exit 1; \
	fi
	$(BUILD)/app/cwreadme

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

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

clean:
	rm -rf $(BUILD)
