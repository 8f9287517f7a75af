// Where a record's page lies in the internal archive.
#include "url/zel_record_owner.h"
#include "url/zel_url.h"

namespace zel {

std::optional<std::string> ZelUrl::fileLocationForArchive() const {
  if (!owner_) return std::nullopt;
  return owner_->fileLocationForArchive(getActualLinkUrl());
}

}  // namespace zel
