// The licence agreement shown on the first page of the setup form, and the
// rule for the target folder, which the agreement states as its clause 3.
#pragma once

#include <string>

// The rule the target folder must meet; "!" appended, it is also the warning
// for a folder that breaks it, and it is the folder edit's hint.
extern const std::string PathRuleText;

// The agreement's own wording around the folder rule.
extern const std::string AgreementOpening;    // consent, clauses 1 and 2, the start of clause 3
extern const std::string AgreementWarranty;   // clause 4
extern const std::string AgreementLiability;  // the rest of clause 4's line

// Opening + PathRuleText + ".\r\n" + warranty + liability: seven lines.
std::string AgreementText();
