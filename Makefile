# make run  — install what is missing, build, start the program
# make test — install what is missing, build, run every test headless
BUILD ?= build
JOBS ?= $(shell nproc)
# Debian packages the build, the tests and the screenshots need.
PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev \
            xvfb xauth xdotool openbox x11-utils wmctrl imagemagick fonts-dejavu-core fonts-urw-base35

.PHONY: all deps configure build run test screenshots clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=; else SUDO=sudo; fi; \
	  $$SUDO apt-get update && \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: starting under a virtual X server (xvfb-run)."; \
	  xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/Settings; \
	else \
	  $(BUILD)/Settings; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Regenerates the screenshots under docs/ from the running program under Xvfb.
screenshots: build
	bash tools/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
