// Field access by name: the column vocabulary of the host's tables and exports.
#include <unordered_map>

#include "platform/platform.h"
#include "platform/text_format.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"
#include "url/zel_url_page_facts.h"

namespace zel {

namespace {

std::string seconds(double s) { return s > 0.00001 ? strf("%.5f s", s) : std::string(); }
std::string num(int64_t n) { return strf("%i", static_cast<int>(n)); }

enum class Field {
  Canonical, ChangeFrequency, Distance, FileSize, FileSizeCompressed, Headings, Keywords,
  OnPageCount, OnPageUrl, LinkPageTitle, LinkUrl, LinkUrlDecoded, ActualUrl, LinkUrlHtml,
  LinkRedirHtml, MetaDescription, H1, H2, H3, H4, TitleLength, DescriptionLength, H1Count,
  Nofollow, Status, Redir, RedirDecoded, Timestamp, WordCount, LinkCount, KeywordStuffed,
  ResponseTime, LoadTime, ImageWeight, ImageQty, Spelling, Grammar, TotalOcurrences,
  OcurrencesInArchive, LastModified, Robots, InternalLinkCount, ExternalLinkCount,
  RedirectsToHere, PossibleDuplicates, OgLatitude, OgLongitude, OgLocality, OgTitle,
  OgDescription, OgUrl, OgImage, OgType, OgSiteName, TwitterTitle, TwitterDescription,
  TwitterUrl, TwitterImage, TwitterCard, ItempropName, ItempropDescription, ItempropImage,
  ValidatorErrors, ValidatorWarnings, ValidatorStatus,
};

// The vocabulary in the order of its table; exports list fields in this order.
struct NamedField {
  std::string_view name;
  Field field;
};
constexpr NamedField kVocabulary[] = {
    {"canonical", Field::Canonical}, {"changefrequency", Field::ChangeFrequency},
    {"distancefromhome", Field::Distance}, {"distance", Field::Distance},
    {"filesize", Field::FileSize}, {"filesizecompressed", Field::FileSizeCompressed},
    {"headings", Field::Headings}, {"keywords", Field::Keywords},
    {"onpagecount", Field::OnPageCount}, {"onpageurl", Field::OnPageUrl},
    {"linkpagetitle", Field::LinkPageTitle}, {"linkurl", Field::LinkUrl},
    {"linkurldecoded", Field::LinkUrlDecoded}, {"actualurl", Field::ActualUrl},
    {"linkurlhtml", Field::LinkUrlHtml}, {"linkredirhtml", Field::LinkRedirHtml},
    {"metadescription", Field::MetaDescription}, {"h1", Field::H1}, {"h2", Field::H2},
    {"h3", Field::H3}, {"h4", Field::H4}, {"titlelength", Field::TitleLength},
    {"descriptionlength", Field::DescriptionLength}, {"h1count", Field::H1Count},
    {"nofollow", Field::Nofollow}, {"status", Field::Status}, {"redir", Field::Redir},
    {"redirdecoded", Field::RedirDecoded}, {"timestamp", Field::Timestamp},
    {"wordcount", Field::WordCount}, {"linkcount", Field::LinkCount},
    {"keywordstuffed", Field::KeywordStuffed}, {"responsetime", Field::ResponseTime},
    {"loadtime", Field::LoadTime}, {"downloadtime", Field::LoadTime},
    {"imageweight", Field::ImageWeight}, {"imageqty", Field::ImageQty},
    {"spelling", Field::Spelling}, {"grammar", Field::Grammar},
    {"totalocurrences", Field::TotalOcurrences},
    {"ocurrencesinarchive", Field::OcurrencesInArchive},
    {"lastmodified", Field::LastModified}, {"robots", Field::Robots},
    {"internallinkcount", Field::InternalLinkCount},
    {"externallinkcount", Field::ExternalLinkCount},
    {"numberofredirectstohere", Field::RedirectsToHere},
    {"possibleduplicates", Field::PossibleDuplicates}, {"oglatitude", Field::OgLatitude},
    {"oglongitude", Field::OgLongitude}, {"oglocality", Field::OgLocality},
    {"ogtitle", Field::OgTitle}, {"ogdescription", Field::OgDescription},
    {"ogurl", Field::OgUrl}, {"ogimage", Field::OgImage}, {"ogtype", Field::OgType},
    {"ogsite_name", Field::OgSiteName}, {"twittertitle", Field::TwitterTitle},
    {"twitterdescription", Field::TwitterDescription}, {"twitterurl", Field::TwitterUrl},
    {"twitterimage", Field::TwitterImage}, {"twittercard", Field::TwitterCard},
    {"itempropname", Field::ItempropName}, {"itempropdescription", Field::ItempropDescription},
    {"itempropimage", Field::ItempropImage}, {"validatorerrors", Field::ValidatorErrors},
    {"validatorwarnings", Field::ValidatorWarnings},
    {"validatorstatus", Field::ValidatorStatus},
};

const std::unordered_map<std::string_view, Field>& fieldLookup() {
  static const std::unordered_map<std::string_view, Field> kNames = [] {
    std::unordered_map<std::string_view, Field> m;
    for (const auto& f : kVocabulary) m.emplace(f.name, f.field);
    return m;
  }();
  return kNames;
}

}  // namespace

std::optional<std::string> ZelUrl::getFieldByName(std::string_view rawName) const {
  const std::string name = asciiLower(rawName);
  auto it = fieldLookup().find(name);
  if (it == fieldLookup().end()) return std::string();
  switch (it->second) {
    case Field::Canonical: return getCanonical();
    case Field::ChangeFrequency: return getChangeFrequency();
    case Field::Distance: return num(distanceFromHome_);
    case Field::FileSize: return getFileSize();
    case Field::FileSizeCompressed: return getFileSizeCompressed();
    case Field::Headings: return getHeadingsAsSummary();
    case Field::Keywords: return getKeywords();
    case Field::OnPageCount: return num(static_cast<int64_t>(inbound_.count));
    case Field::OnPageUrl: return getOnPageUrl();
    case Field::LinkPageTitle: return getLinkPageTitle();
    case Field::LinkUrl: return getLinkUrl();
    case Field::LinkUrlDecoded: return getLinkUrlDecoded();
    case Field::ActualUrl: return getActualLinkUrl();
    case Field::LinkUrlHtml: return getLinkUrlHTML();
    case Field::LinkRedirHtml: return getLinkRedirHTML();
    case Field::MetaDescription: return getMetaDescription();
    case Field::H1: return getH1s();
    case Field::H2: return getH2s();
    case Field::H3: return getH3s();
    case Field::H4: return getH4s();
    case Field::TitleLength: return num(getTitlelength());
    case Field::DescriptionLength: return num(getDescriptionlength());
    case Field::H1Count: return num(h1Count());
    case Field::Nofollow: return isNofollow() ? "YES" : "NO";
    case Field::Status: return getStatus();
    case Field::Redir: return getRedir();
    case Field::RedirDecoded: return getRedirDecoded();
    case Field::Timestamp: return getTimestampText();
    case Field::WordCount: return getWordCount() == -1 ? std::string() : num(getWordCount());
    case Field::LinkCount: return num(getLinkCount());
    case Field::KeywordStuffed:
      return isKeywordStuffed() ? std::optional<std::string>("YES") : std::nullopt;
    case Field::ResponseTime: return seconds(responseTimeInterval_);
    case Field::LoadTime: return seconds(loadTimeInterval_);
    case Field::ImageWeight: return getTotalImageWeight();
    case Field::ImageQty: return getImageqty() == 0 ? std::string() : num(getImageqty());
    case Field::Spelling: return num(getSpellingCount());
    case Field::Grammar: return num(getGrammarCount());
    case Field::TotalOcurrences: return num(getTotalOccurrences());
    case Field::OcurrencesInArchive: return num(getOcurrencesInArchive());
    case Field::LastModified: return getLastModified();
    case Field::Robots: return getRobots();
    case Field::InternalLinkCount: return num(internalLinkCount_);
    case Field::ExternalLinkCount: return num(externalLinkCount_);
    case Field::RedirectsToHere: return num(getNumberOfRedirectsToHere());
    case Field::PossibleDuplicates: {
      int32_t n = getPossibleduplicates();
      return n == 0 ? std::string() : num(n);
    }
    case Field::OgLatitude: return getOglatitude();
    case Field::OgLongitude: return getOglongitude();
    case Field::OgLocality: return getOglocality();
    case Field::OgTitle: return getOgtitle();
    case Field::OgDescription: return getOgdescription();
    case Field::OgUrl: return getOgurl();
    case Field::OgImage: return getOgimage();
    case Field::OgType: return getOgtype();
    case Field::OgSiteName: return getOgsite_name();
    case Field::TwitterTitle: return getTwittertitle();
    case Field::TwitterDescription: return getTwitterdescription();
    case Field::TwitterUrl: return getTwitterurl();
    case Field::TwitterImage: return getTwitterimage();
    case Field::TwitterCard: return getTwittercard();
    case Field::ItempropName: return getItempropname();
    case Field::ItempropDescription: return getItempropdescription();
    case Field::ItempropImage: return getItempropimage();
    case Field::ValidatorErrors:
      return getValidatorErrors() == -1 ? std::string() : num(getValidatorErrors());
    case Field::ValidatorWarnings:
      return getValidatorWarnings() == -1 ? std::string() : num(getValidatorWarnings());
    case Field::ValidatorStatus: return getValidatorStatus();
  }
  return std::string();
}

float ZelUrl::getFieldAsNumberByName(std::string_view name) const {
  if (name == "distancefromhome") return static_cast<float>(distanceFromHome_);
  if (name == "responsetime") return static_cast<float>(responseTimeInterval_);
  if (name == "loadtime") return static_cast<float>(loadTimeInterval_);
  if (name == "filesize")
    return static_cast<float>(fileSize_ == 0 && fileSizeCompressedKB() > 0 ? fileSizeCompressedKB()
                                                                        : fileSize_);
  if (name == "filesizecompressed") return static_cast<float>(fileSizeCompressedKB());
  if (name == "imageqty") return static_cast<float>(getImageqty());
  if (name == "imageweight") return static_cast<float>(getTotalImageWeightAsNumber());
  if (name == "validatorerrors") return static_cast<float>(getValidatorErrors());
  if (name == "validatorwarnings") return static_cast<float>(getValidatorWarnings());
  if (name == "totalocurrences") return static_cast<float>(getTotalOccurrences());
  if (name == "wordcount") return static_cast<float>(getWordCount());
  if (name == "onpagecount") return static_cast<float>(inbound_.count);
  if (name == "spelling") return static_cast<float>(getSpellingCount());
  if (name == "grammar") return static_cast<float>(getGrammarCount());
  return 0;
}

const std::vector<std::string_view>& ZelUrl::fieldNames() {
  static const std::vector<std::string_view> kNames = [] {
    std::vector<std::string_view> v;
    for (const auto& f : kVocabulary) v.push_back(f.name);
    return v;
  }();
  return kNames;
}

std::string ZelUrl::truncateURLByAddingElipsisInMiddle(std::string_view text) {
  // Counted in characters, so that no UTF-8 sequence is cut.
  const size_t characters = utf8Length(text);
  if (characters <= 50) return std::string(text);
  auto byteOffset = [&](size_t nth) {
    size_t at = 0;
    for (size_t seen = 0; at < text.size(); ++at)
      if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && seen++ == nth) break;
    return at;
  };
  return std::string(text.substr(0, byteOffset(23))) + "..." +
         std::string(text.substr(byteOffset(characters - 27)));
}

std::string ZelUrl::getLinkUrlHTML() const {
  return "<a href=\"" + getLinkUrl() + "\" target=\"_blank\">" +
         truncateURLByAddingElipsisInMiddle(getLinkUrl()) + "</a>";
}

std::string ZelUrl::getLinkRedirHTML() const {
  return "<a href=\"" + getRedir() + "\" target=\"_blank\">" +
         truncateURLByAddingElipsisInMiddle(getRedir()) + "</a>";
}

bool ZelUrl::contains(std::string_view term) const {
  return containsIgnoreCase(nsslinkUrl_, term) || containsIgnoreCase(getRedir(), term) ||
         containsIgnoreCase(getFinalStatus(), term);
}

}  // namespace zel
