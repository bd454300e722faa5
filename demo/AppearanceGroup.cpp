#include "AppearanceGroup.h"

#include "FormLayout.h"

#include <QGroupBox>
#include <QRadioButton>

#include <array>
#include <memory>

namespace corvdemo
{

void AddAppearanceGroup(QWidget &parent,
                        int left,
                        int top,
                        int width,
                        int optionWidth,
                        std::function<void(int)> onClick)
{
    const FormLayout layout;
    auto *group = layout.Add<QGroupBox>(parent, "", left, top, width, 600);
    group->setTitle(QStringLiteral("外观"));
    const auto handler = std::make_shared<std::function<void(int)>>(std::move(onClick));
    constexpr std::array<const char *, 2> kCaptions = {"Flat", "3D"};
    std::array<QRadioButton *, 2> options{};
    for (std::size_t i = 0; i < options.size(); ++i) {
        options[i] =
            layout.Add<QRadioButton>(*group, "OptAppearance", 120 + int(i) * (optionWidth + 45), 250, optionWidth, 285);
        options[i]->setText(QString::fromUtf8(kCaptions[i]));
        options[i]->setProperty("Index", int(i));
    }
    options[0]->setChecked(true);
    QRadioButton *threeD = options[1];
    for (QRadioButton *option : options)
        QObject::connect(option, &QRadioButton::clicked, group, [handler, threeD] {
            (*handler)(threeD->isChecked() ? 1 : 0);
        });
}

} // namespace corvdemo
