// The catalogue of the seventeen analyzer models.
#include "analyzers/Family8510.h"
#include "analyzers/Family8753.h"
#include "analyzers/Pna.h"
#include "analyzers/Vna.h"

namespace {

class TCatalogue {
public:
    TCatalogue()
    {
        Models.reserve(VnaCount);
        Models.push_back(TVna::Make<TPna>());
        Models.push_back(TVna::Make<TPna3port>());
        Models.push_back(TVna::Make<T8510A>());
        Models.push_back(TVna::Make<T8510B>());
        Models.push_back(TVna::Make<T8510C>());
        Models.push_back(TVna::Make<T8719A>());
        Models.push_back(TVna::Make<T8719C>());
        Models.push_back(TVna::Make<T8719DE>());
        Models.push_back(TVna::Make<T8720A>());
        Models.push_back(TVna::Make<T8720BC>());
        Models.push_back(TVna::Make<T8720DE>());
        Models.push_back(TVna::Make<T8722AC>());
        Models.push_back(TVna::Make<T8722DE>());
        Models.push_back(TVna::Make<T8752ABC>());
        Models.push_back(TVna::Make<T8753ABC>());
        Models.push_back(TVna::Make<T8753Dtrl>());
        Models.push_back(TVna::Make<T8753DE>());
    }

    // Freed in catalogue order (a vector leaves its element order unspecified).
    ~TCatalogue()
    {
        for (auto& model : Models)
            model.reset();
    }

    TCatalogue(const TCatalogue&) = delete;
    TCatalogue& operator=(const TCatalogue&) = delete;

    std::vector<std::unique_ptr<TVna>> Models;
};

const std::string NamePrefix = "Agilent ";

// Model names are plain ASCII; letters compare without regard to case, independent of locale.
char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

// The catalogue index that text names in decimal digits only, or -1.
int CatalogueIndex(const std::string& text)
{
    if (text.empty() || text.size() > 2)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value < VnaCount ? value : -1;
}

} // namespace

const std::vector<std::unique_ptr<TVna>>& Vnas()
{
    static TCatalogue catalogue;
    return catalogue.Models;
}

TVna* FindVna(const std::string& nameOrIndex)
{
    const auto& models = Vnas();
    const int index = CatalogueIndex(nameOrIndex);
    if (index >= 0)
        return models[static_cast<std::size_t>(index)].get();
    for (const auto& model : models) {
        const std::string& name = model->ModelName;
        const std::string shortName =
            name.compare(0, NamePrefix.size(), NamePrefix) == 0 ? name.substr(NamePrefix.size()) : name;
        if (SameTextIgnoringCase(shortName, nameOrIndex))
            return model.get();
    }
    return nullptr;
}
