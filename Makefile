# Two entry points for a fresh clone: `make run` and `make test`.  Each first
# installs the Debian packages of debian-packages.txt it needs and the machine
# lacks (tools/install_packages.sh; nothing is asked of apt when all are there).
BUILD_DIR      ?= build
SANITIZE_DIR   ?= build-sanitize
FUZZ_DIR       ?= build-fuzz
TIDY_DIR       ?= build-tidy
FUZZ_SECONDS   ?= 20
JOBS           ?= $(shell nproc)
# Warnings are errors in the builds of CI (.ci/run sets CI); `make test WERROR=ON`
# does the same by hand.
WERROR         ?= $(if $(CI),ON,OFF)
# Where `make install` puts the programs (DESTDIR, if set, goes in front).
PREFIX         ?= /usr/local

# The bundled example: one hour at 30 s of GPS, GLONASS and Galileo from sdsim.
EXAMPLE        ?= examples/sim_GRE_30s_1h.sd
EXAMPLE_GLN    ?= examples/sim_GRE_30s_1h_glonass.txt

.PHONY: build run install package test test-sanitize tidy format format-check samples fuzz clean

PACKAGES       = bash tools/install_packages.sh
CONFIGURE      = cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
# The three programs, for `make run` and `make install`.
PROGRAMS       = Quintavelmor Quintavelmor-sd Quintavelmor-report

build:
	$(PACKAGES) run
	$(CONFIGURE) -DQUINTAVELMOR_WERROR=$(WERROR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The bundled example through the listing program and the report, and a real
# pair of RINEX files through all three programs: the listings, messages,
# statistics and report pages go to RUN_DIR, and the terminal gets where they
# are with a short excerpt.
RUN_DIR        ?= $(BUILD_DIR)/example
GEONET_BASE    ?= tests/data/rinex/30400920.05o
GEONET_ROVER   ?= tests/data/rinex/07590920.05o
run:
	$(PACKAGES) run
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target $(PROGRAMS)
	mkdir -p $(RUN_DIR)
	$(BUILD_DIR)/Quintavelmor -o$(EXAMPLE) -gf$(EXAMPLE_GLN) -cGRE -lC1:L1:L4:P4:L3:MW:MP1:MP2:CL1: -ms -v \
	  > $(RUN_DIR)/listing.txt 2> $(RUN_DIR)/listing.log || { cat $(RUN_DIR)/listing.log; exit 1; }
	$(BUILD_DIR)/Quintavelmor-report $(RUN_DIR)/listing.txt --stats --html $(RUN_DIR)/report \
	  > $(RUN_DIR)/statistics.txt 2> $(RUN_DIR)/report.log || { cat $(RUN_DIR)/report.log; exit 1; }
	$(BUILD_DIR)/Quintavelmor-sd $(GEONET_BASE) $(GEONET_ROVER) -o $(RUN_DIR)/geonet.sd \
	  2> $(RUN_DIR)/geonet.log || { cat $(RUN_DIR)/geonet.log; exit 1; }
	$(BUILD_DIR)/Quintavelmor -o$(RUN_DIR)/geonet.sd -cG -lC1:P2:L4:MW: > $(RUN_DIR)/geonet_listing.txt \
	  2>> $(RUN_DIR)/geonet.log || { cat $(RUN_DIR)/geonet.log; exit 1; }
	$(BUILD_DIR)/Quintavelmor-report $(RUN_DIR)/geonet_listing.txt --stats --html $(RUN_DIR)/geonet_report \
	  > $(RUN_DIR)/geonet_statistics.txt 2>> $(RUN_DIR)/geonet.log || { cat $(RUN_DIR)/geonet.log; exit 1; }
	@echo
	@echo "The bundled example (simulated GPS, GLONASS and Galileo, one hour at 30 s):"
	@echo "Listing:    $(RUN_DIR)/listing.txt ($$(wc -l < $(RUN_DIR)/listing.txt) lines, messages in listing.log)"
	@sed -n '/Time(datum)/,+2p' $(RUN_DIR)/listing.txt | cut -c1-107
	@echo "Statistics: $(RUN_DIR)/statistics.txt"
	@grep '^SUMMARY' $(RUN_DIR)/statistics.txt
	@sed -n '/^# slips and outliers/,$$p' $(RUN_DIR)/statistics.txt | head -6
	@echo "Page:       file://$(abspath $(RUN_DIR))/report/index.html"
	@echo
	@echo "A real pair of receivers ($(GEONET_BASE) as base, $(GEONET_ROVER) as rover):"
	@echo "SD file:    $(RUN_DIR)/geonet.sd (the converter's report and every message in geonet.log)"
	@head -1 $(RUN_DIR)/geonet.log
	@echo "Listing:    $(RUN_DIR)/geonet_listing.txt ($$(wc -l < $(RUN_DIR)/geonet_listing.txt) lines)"
	@echo "Statistics: $(RUN_DIR)/geonet_statistics.txt"
	@grep '^SUMMARY' $(RUN_DIR)/geonet_statistics.txt
	@echo "Page:       file://$(abspath $(RUN_DIR))/geonet_report/index.html"

# The programs, their manual pages and the bundled example under PREFIX; only
# what is installed is built (the target `installed`), not the tests.
install:
	$(PACKAGES) run
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target installed
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, written into the build folder.
package: build
	$(PACKAGES) package
	cd $(BUILD_DIR) && cpack -G DEB

# Rewrites the simulated example and test files (tools/samples.sh lists them).
samples: build
	bash tools/samples.sh write $(BUILD_DIR)/tools/sdsim .

# Everything the tests call is installed first, and the layout checked before
# the build.
test:
	$(PACKAGES) test
	$(MAKE) format-check
	$(MAKE) build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) tidy
	$(MAKE) test-sanitize
	$(MAKE) fuzz

test-sanitize:
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUINTAVELMOR_SANITIZE=ON \
	  -DQUINTAVELMOR_WERROR=$(WERROR)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

# The checks of .clang-tidy over every source of the build (about four minutes
# on two cores); any finding fails. The folder holds only the compile commands.
tidy:
	cmake -S . -B $(TIDY_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	run-clang-tidy -j $(JOBS) -quiet -p $(TIDY_DIR)

# The C++ sources in the layout of .clang-format: `make format` rewrites them,
# `make format-check` (run by `make test`) fails on any that differ.
CXX_SOURCES     = git ls-files '*.h' '*.cpp'
format:
	$(CXX_SOURCES) | xargs clang-format -i
format-check:
	$(CXX_SOURCES) | xargs clang-format --dry-run --Werror

# Every input surface under libFuzzer for FUZZ_SECONDS each: a quick check in
# `make test`; the depth comes from long campaigns (README, Robustness).
fuzz:
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUINTAVELMOR_FUZZ=ON -DQUINTAVELMOR_WERROR=$(WERROR)
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	bash tests/fuzz/run_fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(TIDY_DIR)
