#include "document/CheckSetup.h"

#include "core/AppServices.h"
#include "core/Document.h"
#include "core/RunContext.h"
#include "document/CheckRun.h"

namespace kvf {
namespace {

// Hands the services a run's selection and suppressions, and gives them back their own when
// the run ends, also when it ends early.
class ServicesSetUp {
  public:
    ServicesSetUp(AppServices& services, const MessageSelection& selection,
                  LineSuppressions* suppressions)
        : services_(services), selection_(services.Selection()),
          suppressions_(services.Suppressions()) {
        services_.SetMessageSelection(selection);
        services_.SetSuppressions(suppressions);
    }
    ~ServicesSetUp() {
        services_.SetMessageSelection(selection_);
        services_.SetSuppressions(suppressions_);
    }
    ServicesSetUp(const ServicesSetUp&) = delete;
    ServicesSetUp& operator=(const ServicesSetUp&) = delete;

  private:
    AppServices& services_;
    MessageSelection selection_;
    LineSuppressions* suppressions_;
};

} // namespace

CheckOptions CheckOptionsFromSettings(const SettingsStore& settings,
                                      std::vector<std::string>& unknown) {
    CheckOptions options;
    options.Selection = ReadMessageSelection(settings, unknown);
    return options;
}

CheckReport RunConfiguredCheck(RunContext& run, Document& document, const CheckOptions& options,
                               CheckRunHooks* hooks) {
    LineSuppressions suppressions;
    if (options.HonourSuppressions)
        suppressions = LineSuppressions::Read(document.Lines());
    {
        ServicesSetUp setUp(run.Services(), options.Selection,
                            options.HonourSuppressions ? &suppressions : nullptr);
        run.CancelFlag = options.Cancel;
        Check(run, document, hooks);
        run.CancelFlag = nullptr;
    }
    CheckReport report;
    report.UnusedSuppressions = suppressions.Unused();
    return report;
}

CheckReport RunConfiguredCheck(AppServices& services, Document& document,
                               const CheckOptions& options, CheckRunHooks* hooks) {
    RunContext run(services);
    return RunConfiguredCheck(run, document, options, hooks);
}

} // namespace kvf
