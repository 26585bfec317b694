#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <optional>

namespace corvander {

// The locale variables of the test process set as a user's shell would set them, and put back as
// they were when the object goes.
class LocaleEnvironment {
public:
    struct Values {
        const char* lcAll = nullptr;
        const char* lcMessages = nullptr;
        const char* lang = nullptr;
        const char* language = nullptr;
    };

    explicit LocaleEnvironment(const Values& values) {
        const std::array<const char*, 4> wanted = {values.lcAll, values.lcMessages, values.lang,
                                                   values.language};
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (qEnvironmentVariableIsSet(kNames[i]))
                m_saved[i] = qgetenv(kNames[i]);
            if (wanted[i])
                qputenv(kNames[i], wanted[i]);
            else
                qunsetenv(kNames[i]);
        }
    }
    ~LocaleEnvironment() {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (m_saved[i])
                qputenv(kNames[i], *m_saved[i]);
            else
                qunsetenv(kNames[i]);
        }
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

private:
    static constexpr std::array<const char*, 4> kNames = {"LC_ALL", "LC_MESSAGES", "LANG",
                                                          "LANGUAGE"};
    std::array<std::optional<QByteArray>, 4> m_saved;
};

} // namespace corvander
