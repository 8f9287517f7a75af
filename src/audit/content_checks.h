#pragma once
// Internal to the audit: the content analyses over the whole site, one a file.
namespace zel::audit {

class AuditRun;
class ContentAnalysis;

void scoreLinks(AuditRun& run, ContentAnalysis& content);
void searchFindings(AuditRun& run, const ContentAnalysis& content);
void findNearDuplicates(AuditRun& run, ContentAnalysis& content);
void readabilityFindings(AuditRun& run, const ContentAnalysis& content);
void structuredDataFindings(AuditRun& run, const ContentAnalysis& content);

}  // namespace zel::audit
