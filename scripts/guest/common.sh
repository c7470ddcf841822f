# Shared by the guest's scripts: what the guest holds and where it is kept.
# shellcheck shell=bash

# The guest's packages: its kernel, CMake for ctest and the tests' scripts,
# and Wine; then 32-bit Wine, set up on the guest's first start.
guest_packages=(linux-image-amd64 initramfs-tools kmod cmake wine wine64)
guest_packages_i386=(wine32:i386)

# Wine's prefix, made on the first start and kept in the image.
guest_wine_prefix=/var/lib/kvnshow-guest/wineprefix

# The cache of made images, outside any clone, so that every clone and every
# run on this machine reuses one: a folder a recipe, named by the hash of the
# scripts that make it and the release it is made of.
guest_cache=${KVN_GUEST_CACHE:-/var/cache/kvnshow-guest}

guest_image_folder() {
  local folder key
  folder=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  key=$( (cat "$folder/make-image" "$folder/common.sh" "$folder/guest-init"
    . /etc/os-release && echo "$VERSION_CODENAME") | sha256sum | cut -c1-16)
  echo "$guest_cache/$key"
}
