#include "platform/reportbrowser.h"

#include "platform/reportloader.h"
#include "platform/reportpageview.h"

namespace {

const QString WebBrowserControl = QStringLiteral("{8856F961-340A-11D0-A96B-00C04FD705A2}");

} // namespace

ReportBrowser::ReportBrowser(QWidget *parent)
    : QWidget(parent)
    , view(new ReportPageView(this))
    , loader(new ReportLoader(view, this))
{
    view->hide();
    connect(view, &ReportPageView::widthChanged, loader, &ReportLoader::Relayout);
    connect(loader, &ReportLoader::pageReady, this, &ReportBrowser::pageReady);
}

// The loader goes first: it waits for its workers before the view they feed
// goes.
ReportBrowser::~ReportBrowser()
{
    delete loader;
}

bool ReportBrowser::setControl(const QString &control)
{
    if (control.trimmed().compare(WebBrowserControl, Qt::CaseInsensitive) != 0) {
        clear();
        return false;
    }
    if (!controlLoaded) {
        controlLoaded = true;
        view->setGeometry(rect());
        view->show();
    }
    return true;
}

QVariant ReportBrowser::dynamicCall(const char *member, const QVariant &argument)
{
    if (controlLoaded && QMetaObject::normalizedSignature(member) == "Navigate(QString)")
        Navigate(argument.toString());
    return QVariant();
}

void ReportBrowser::clear()
{
    loader->Cancel();
    view->ClearPage();
    view->hide();
    controlLoaded = false;
}

void ReportBrowser::SetDisplayScrollBars(bool display)
{
    displayScrollBars = display;
    view->SetScrollBarsShown(display);
}

QString ReportBrowser::PageText() const
{
    return view->PlainText();
}

QString ReportBrowser::MessageText() const
{
    return view->Message();
}

bool ReportBrowser::IsPageComplete() const
{
    return controlLoaded && loader->IsComplete() && view->IsComplete();
}

void ReportBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    view->setGeometry(rect());
}

void ReportBrowser::Navigate(const QString &path)
{
    view->ClearPage();
    loader->Load(path, view->AvailableWidth());
}
