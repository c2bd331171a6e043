<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Поиск...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Убедитесь, что устройство подключено и включено.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>Принимаю</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Не принимаю</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Выбор языка установки</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Выберите язык установки из списка ниже.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; и Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; и PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Подтверждение выхода</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Выбранные приложения ещё устанавливаются. Если выйти из программы установки с диска, текущая установка завершится, однако необходимые активация или регистрация могут не выполниться автоматически.  Кроме того, остальные выбранные приложения не будут установлены.

Выйти?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Установка...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>Скорость: вычисляется</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>Оставшееся время: вычисляется</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Скорость: </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>Оставшееся время: </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>Скачивание завершено.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>Чтобы установить программу, выберите её в списке и нажмите кнопку «Установить».</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>Ошибка скачивания</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>Во время скачивания произошла сетевая ошибка с кодом %1.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>Время ожидания скачивания истекло</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>Сервер не отвечает во время скачивания.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>Выбрано слишком много приложений, чтобы установить их за один раз. Выберите меньше приложений и повторите попытку.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>Не удалось подготовить установку. Повторите попытку.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>Установлено!</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Установлено</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>Установка не завершена</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>Установка была прервана до того, как было установлено всё выбранное. Эти приложения снова отмечены: %1. Нажмите «%2», чтобы завершить её.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>Только онлайн</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>Это приложение скачивается из Интернета и не может быть установлено с диска.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 B/s</source>
        <translation>%1 Б/с</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <translation>%1 КБ/с</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 МБ/с</translation>
    </message>
    <message>
        <source>Select to install the following components:</source>
        <translation>Выберите, чтобы установить следующие компоненты:</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>Если вы видите это сообщение, произошла серьёзная ошибка.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>Недостаточно памяти. Перезагрузите компьютер и повторите попытку.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>Не удалось найти setup_runner.exe в папке «%1».</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>Не удалось найти путь «.»: он должен указывать на «%1», но это не так.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>Сейчас у вас нет прав на установку программ и/или драйверов. Если появился запрос контроля учётных записей Windows, разрешите setup_runner.exe получить доступ к компьютеру или внести в него изменения. В противном случае обратитесь за помощью с установкой к системному администратору или в ИТ-отдел.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>Программа setup_runner.exe недопустима (т. е. не является файлом .exe Win32 от Microsoft или образ .exe содержит ошибку).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>Произошла неизвестная ошибка.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Центр обновления Windows сейчас устанавливает другие обновления. Повторите попытку через несколько минут.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>Ожидается перезагрузка. Перезагрузите компьютер и повторите попытку.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>Скачанный файл %1 повреждён и был удалён. Скачайте его ещё раз.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>Ошибка установки</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1 не установлено: не удалось подготовить защищённую папку для программы установки.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1 не установлено: программа установки не совпадает со скачанной и, возможно, была изменена.</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>Установка %1</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>Часть прилагаемого программного обеспечения доступна только через Интернет.

Подключите устройство и выберите «Да», чтобы проверить наличие обновлений и просмотреть полный список программ.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>Поиск обновления программы установки...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>Поиск обновления программного обеспечения устройства...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>Сейчас нет подключения для выполнения запрошенной операции.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>Поиск обновления программы установки...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>Скачивание обновления программы установки...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>Распаковка обновления программы установки...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>Небезопасный адрес обновления отклонён: принимается только https.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>Подключите сканер — он появится здесь.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>Не удалось добавить программы для %1 в update.xml. Проверьте устройство ещё раз с помощью «%2».</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>Поиск обновлений для %1...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>Сервер сообщает код ошибки %1. Обратитесь в службу технической поддержки.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>Время ожидания истекло. Проверьте подключение к Интернету.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1 поддерживается. Нажмите «%2», чтобы продолжить.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>%1 в настоящее время не поддерживается Tamberlin Update.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>select_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>Select a connected device to update</source>
        <translation>Выберите подключенное устройство для обновления</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Чтобы продолжить, установите пакет среды выполнения VC++ 2005 SP1.</translation>
    </message>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 уже установлен</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 уже установлен. Запустить программу установки ещё раз?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Требуется перезагрузка</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Для завершения установки необходимо перезагрузить систему. Перезагрузить сейчас?</translation>
    </message>
</context>
</TS>
