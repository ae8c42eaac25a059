# Vireltan: top-level commands. Everything builds through CMake presets into build/<preset>/.
SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c
UNAME := $(shell uname -s)
FUZZ_SECONDS ?= 20

ifneq (,$(filter MINGW% MSYS%,$(UNAME)))
  # On Windows (MSYS2) the calculator builds with the environment's own MinGW and runs directly.
  ON_WINDOWS := 1
endif

.PHONY: all bootstrap deps native native-asan fuzz-build win32 win64 run preview test bench fuzz soak format clean pictures

all: native win32 win64

bootstrap:
ifndef ON_WINDOWS
	@bash scripts/bootstrap.sh
endif

deps: bootstrap
ifndef ON_WINDOWS
	@bash scripts/fetch-libpng.sh
endif

native native-asan fuzz-build: bootstrap
	@preset=$(patsubst fuzz-build,fuzz,$@); \
	cmake --preset $$preset >/dev/null && cmake --build --preset $$preset

win32 win64: deps
	@cmake --preset $@ >/dev/null && cmake --build --preset $@

ifdef ON_WINDOWS
run:
	cmake -S . -B build/msys2 -G Ninja -DCMAKE_BUILD_TYPE=Release && cmake --build build/msys2
	./build/msys2/vireltan.exe
else
run: win32 win64
	@if bash scripts/wine-run.sh --can-run-32; then exe=build/win32/vireltan.exe; else \
	   echo "make run: this machine cannot run 32-bit programs; starting the 64-bit build"; \
	   exe=build/win64/vireltan.exe; fi; \
	bash scripts/wine-run.sh --show $$exe
endif

# The skinned controls beside their plain look (SKIN=file for another skin than the stored one).
ifdef ON_WINDOWS
preview:
	cmake -S . -B build/msys2 -G Ninja -DCMAKE_BUILD_TYPE=Release && cmake --build build/msys2 --target skinpreview
	./build/msys2/skinpreview.exe $(SKIN)
else
preview: deps
	@cmake --preset win64 >/dev/null && cmake --build --preset win64 --target skinpreview
	bash scripts/wine-run.sh --show build/win64/skinpreview.exe $(SKIN)
endif

# Every test of every build; a failing suite does not hide the others, the exit status tells.
test: native native-asan win32 win64
	@bash scripts/run-tests.sh

bench: native
	@for b in build/native/bench/*_bench; do echo "== $$b"; $$b --benchmark_counters_tabular=true; done

fuzz: fuzz-build
	@mkdir -p build/fuzz/corpus build/fuzz/logs; status=0; \
	for f in build/fuzz/fuzz/*_fuzz; do \
	  name=$$(basename $$f); mkdir -p build/fuzz/corpus/$$name; \
	  seeds=; [ -d fuzz/corpus/$$name ] && seeds=fuzz/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  if $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=build/fuzz/logs/$$name- \
	       build/fuzz/corpus/$$name $$seeds \
	       > build/fuzz/logs/$$name.log 2>&1; then \
	    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' build/fuzz/logs/$$name.log; \
	  else \
	    status=1; tail -n 30 build/fuzz/logs/$$name.log; \
	  fi; \
	done; exit $$status

# What the open window costs over time against a bare window with the same timers (scripts/soak.sh):
# SOAK_SECONDS=600 make soak for the long run; the 32-bit build where this machine runs it natively.
soak: deps
	@arch=$$(bash scripts/soak.sh --arch); \
	cmake --preset win$$arch >/dev/null && cmake --build --preset win$$arch --target vireltan baretimers guiprobe; \
	bash scripts/soak.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build/native build/native-asan build/fuzz build/win32 build/win64 build/wineprefix build/wineprefix-test

# Regenerates the pictures and the icon under resources/ (committed; the build never needs this).
pictures:
	@bash tools/pictures/generate.sh --contact-sheet build/pictures/contact-sheet.png
