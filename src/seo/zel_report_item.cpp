#include "seo/zel_report_item.h"

#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel {

namespace {

constexpr std::string_view kChainSeparator = " < ";

}  // namespace

void ZelReportItem::setLinkText(std::optional<std::string_view> text) {
  if (text) linkText_.assign(trimWhitespace(*text));
}

bool ZelReportItem::getRecursion() const { return lcurl_ && lcurl_->getRecursion(); }

std::string ZelReportItem::getFinalStatus() const {
  const size_t at = status_.find(kChainSeparator);
  if (at == std::string::npos) return status_;
  return std::string(trimWhitespace(std::string_view(status_).substr(0, at)));
}

std::string ZelReportItem::getInitialStatus() const {
  const size_t at = status_.rfind(kChainSeparator);
  if (at == std::string::npos) return status_;
  return std::string(trimWhitespace(std::string_view(status_).substr(at + kChainSeparator.size())));
}

std::string ZelReportItem::truncateURLByAddingElipsisInMiddle(std::string_view text) {
  return ZelUrl::truncateURLByAddingElipsisInMiddle(text);
}

std::string ZelReportItem::getOnPageUrlHTML() const {
  return "<a href = \"" + onPageUrl_ + "\" target=\"_blank\">" +
         truncateURLByAddingElipsisInMiddle(onPageUrl_) + "</a>";
}

const std::string* ZelReportItem::storedText(std::string_view name) const {
  if (name == "onpagename") return &onPageName_;
  if (name == "onpageurl") return &onPageUrl_;
  if (name == "linktext") return &linkText_;
  if (name == "linkurl") return &linkUrl_;
  if (name == "status") return &status_;
  if (name == "redir") return &redir_;
  if (name == "timestamp") return &timestamp_;
  return nullptr;
}

std::optional<std::string> ZelReportItem::getFieldByName(std::string_view name) const {
  if (const std::string* text = storedText(name)) return *text;
  if (name == "distancefromhome" || name == "distance") return strf("%i", distanceFromHome_);
  if (name == "nofollow") return getNofollow();
  if (name == "onpageurlhtml") return getOnPageUrlHTML();
  if (lcurl_) {
    if (name == "linkurlhtml") return lcurl_->getFieldByName("linkUrlHtml");
    if (name == "linkredirhtml") return lcurl_->getFieldByName("linkRedirHtml");
    if (name == "filesize") return lcurl_->getFieldByName("filesize");
  }
  return std::string();
}

float ZelReportItem::getFieldAsNumberByName(std::string_view name) const {
  // A whole number, as the report's number fields are.
  if (name == "filesize" && lcurl_) return static_cast<float>(static_cast<int32_t>(lcurl_->getFilesize()));
  return 0;
}

bool ZelReportItem::contains(std::string_view term) const {
  return containsIgnoreCase(linkText_, term) || containsIgnoreCase(redir_, term) ||
         containsIgnoreCase(linkUrl_, term) || containsIgnoreCase(status_, term);
}

int32_t ZelReportItem::countOcurrencesOfString(std::string_view term, std::string_view text) {
  return ZelUrl::countOcurrencesOfString(term, text);
}

bool ZelReportItem::countSEOTerm(std::string_view term) {
  ocurrencesInLinkText_ = countOcurrencesOfString(term, linkText_);
  return ocurrencesInLinkText_ != 0;
}

int ZelReportItem::caseInsensitiveCompare(const ZelReportItem& other) const {
  if (!owner_) return 0;
  const std::string field = owner_->getCurrentSortField();
  const std::string a = asciiLower(getFieldByName(field).value_or(""));
  const std::string b = asciiLower(other.getFieldByName(field).value_or(""));
  const int result = a < b ? -1 : (a > b ? 1 : 0);
  return !owner_->getCurrentSortAscending() ? -result : result;
}

}  // namespace zel
