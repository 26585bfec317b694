# Thin wrapper over CMake. `make run` builds the program alone (with its worker and samples) and
# starts it, `make test` builds everything and runs every test. Both first install the Debian
# packages they need when some are missing.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake make g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools \
           qt6-translations-l10n libgl-dev libgtest-dev poppler-utils \
           libpoppler-private-dev libssl-dev file exfat-fuse exfatprogs fuse3 \
           libtesseract-dev tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu tesseract-ocr-fra \
           fonts-liberation2 xvfb xauth xdotool x11-utils libx11-dev libxfixes-dev \
           desktop-file-utils appstream dpkg-dev bash-completion groff-base man-db
APT_GET = apt-get -o DPkg::Lock::Timeout=300 install -y --no-install-recommends

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 update && \
	    DEBIAN_FRONTEND=noninteractive $(APT_GET)$$missing; \
	  else \
	    echo "Some packages are missing. Install them as root with:"; \
	    echo "  $(APT_GET)$$missing"; \
	    exit 1; \
	  fi; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target corvander corvander-extract
	./$(BUILD_DIR)/app/corvander

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bench/corvander_bench

clean:
	rm -rf $(BUILD_DIR)
