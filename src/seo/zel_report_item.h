#pragma once
// A flat row of the host's link reports: one link as it stands on one page,
// with its texts copied out of the records, and the target record for the
// fields it does not copy. The host creates and fills it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "url/zel_data_object.h"

namespace zel {

class ZelUrl;

// The host object that knows how report rows are currently sorted.
class ReportSortOwner {
 public:
  virtual ~ReportSortOwner() = default;
  virtual std::string getCurrentSortField() const = 0;
  virtual bool getCurrentSortAscending() const = 0;
};

// Setters copy into the row's own buffers, so one item can be refilled row
// after row without allocating.
class ZelReportItem : public ZelDataObject {
 public:
  int32_t getDistanceFromHome() const { return distanceFromHome_; }
  void setDistanceFromHome(int32_t d) { distanceFromHome_ = d; }
  int32_t getDistance() const { return distanceFromHome_; }
  const std::string& getLinkText() const { return linkText_; }
  const std::string& getLinktext() const { return linkText_; }
  // Trimmed of white space and line ends; an absent text keeps the old one.
  void setLinkText(std::optional<std::string_view> text);
  const std::string& getLinkPageTitle() const { return linkPageTitle_; }
  void setLinkPageTitle(std::optional<std::string> t) {
    if (t) linkPageTitle_ = std::move(*t);
  }
  const std::string& getLinkUrl() const { return linkUrl_; }
  const std::string& getLinkurl() const { return linkUrl_; }
  void setLinkUrl(std::string_view v) { linkUrl_.assign(v); }
  ZelUrl* getZelUrl() const { return lcurl_; }
  void setZelUrl(ZelUrl* r) { lcurl_ = r; }
  const std::string& getStatus() const { return status_; }
  void setStatus(std::string_view v) { status_.assign(v); }
  const std::string& getRedir() const { return redir_; }
  void setRedir(std::string_view v) { redir_.assign(v); }
  const std::string& getOnPageName() const { return onPageName_; }
  void setOnPageName(std::string_view v) { onPageName_.assign(v); }
  const std::string& getOnPageUrl() const { return onPageUrl_; }
  const std::string& getOnpageurl() const { return onPageUrl_; }
  void setOnPageUrl(std::string_view v) { onPageUrl_.assign(v); }
  const std::string& getTimestamp() const { return timestamp_; }
  void setTimestamp(std::string_view v) { timestamp_.assign(v); }
  double getFilesize() const { return filesize_; }
  void setFilesize(double kb) { filesize_ = kb; }
  std::string getNofollow() const { return nofollow_ ? "Yes" : "No"; }
  bool nofollow() const { return nofollow_; }
  void setNofollow(bool v) { nofollow_ = v; }
  bool getIsImage() const { return isImage_; }
  void setIsImage(bool v) { isImage_ = v; }
  void setOwner(const ReportSortOwner* owner) { owner_ = owner; }
  bool getRecursion() const;
  int32_t getOccurrencesInLinkText() const { return ocurrencesInLinkText_; }
  void releaseAll() {}

  // A status may be a redirect chain joined by " < ": the final status is its
  // first component, the initial status its last.
  std::string getInitialStatus() const;
  std::string getFinalStatus() const;
  std::string getOnPageUrlHTML() const;
  static std::string truncateURLByAddingElipsisInMiddle(std::string_view text);

  // Names compare exactly; an unknown name gives "" (and 0 as a number).
  std::optional<std::string> getFieldByName(std::string_view name) const override;
  // The row's own text for a field it copied (link text, addresses, status,
  // timestamp), without a copy; nullptr for the fields it works out.
  const std::string* storedText(std::string_view name) const;
  float getFieldAsNumberByName(std::string_view name) const override;
  bool contains(std::string_view term) const override;
  bool countSEOTerm(std::string_view term);
  static int32_t countOcurrencesOfString(std::string_view term, std::string_view text);
  // Compares by the owner's sort field, ignoring case; -1, 0 or 1.
  int caseInsensitiveCompare(const ZelReportItem& other) const;

 private:
  std::string linkText_, linkPageTitle_, linkUrl_, status_, redir_, onPageName_, onPageUrl_,
      timestamp_;
  double filesize_ = 0;
  ZelUrl* lcurl_ = nullptr;
  int32_t distanceFromHome_ = 0;
  int32_t ocurrencesInLinkText_ = 0;
  bool nofollow_ = false;
  bool isImage_ = false;
  const ReportSortOwner* owner_ = nullptr;
};

}  // namespace zel
