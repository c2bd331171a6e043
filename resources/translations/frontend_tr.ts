<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Lisans sözleşmesi</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>Kabul ediyorum</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Kabul etmiyorum</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>English</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Kurulum dilini seçin</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Bu kurulumun dilini aşağıdaki seçeneklerden belirleyin.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; ve Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; ve PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Çıkışı onaylayın</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Seçtiğiniz uygulamalar hâlâ kuruluyor. Kurulum diskinden çıkarsanız geçerli kurulum tamamlanır; ancak etkinleştirme veya kayıt gerekiyorsa bu otomatik olarak yapılmayabilir.  Ayrıca seçilen diğer uygulamalar kurulmaz.

Çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Kuruluyor...</translation>
    </message>
</context>
</TS>
