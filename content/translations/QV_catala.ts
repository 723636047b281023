<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="es_ES">
<context>
    <name>MainWindow</name>
    <message>
        <source>Quelvanto</source>
        <translation>Quelvanto</translation>
    </message>
    <message>
        <source>Cerrar créditos</source>
        <translation>Tanca els crèdits</translation>
    </message>
</context>
<context>
    <name>InputDialog</name>
    <message>
        <source>Quelvanto - Usuarios</source>
        <translation>Quelvanto - Usuaris</translation>
    </message>
    <message>
        <source>Agregar</source>
        <translation>Afegeix</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Ingresar</source>
        <translation>Entra</translation>
    </message>
    <message>
        <source>Usuario seleccionado    </source>
        <translation>Usuari seleccionat    </translation>
    </message>
    <message>
        <source>Usuarios registrados    </source>
        <translation>Usuaris registrats    </translation>
    </message>
    <message>
        <source>Por favor seleccione un usuario.</source>
        <translation>Si us plau, seleccioneu un usuari.</translation>
    </message>
    <message>
        <source>El usuario %1 ya existe en el sistema.</source>
        <translation>L'usuari %1 ja existeix al sistema.</translation>
    </message>
    <message>
        <source>El usuario %1 ha sido agregado al sistema.</source>
        <translation>L'usuari %1 s'ha afegit al sistema.</translation>
    </message>
    <message>
        <source>El usuario %1 no pudo ser agregado al sistema.</source>
        <translation>L'usuari %1 no s'ha pogut afegir al sistema.</translation>
    </message>
    <message>
        <source>El usuario %1 ha sido eliminado del sistema.</source>
        <translation>L'usuari %1 s'ha eliminat del sistema.</translation>
    </message>
    <message>
        <source>Ingrese todos datos</source>
        <translation>Introduïu totes les dades</translation>
    </message>
    <message>
        <source>Debe seleccionar un usuario para poder cerrar esta ventana.</source>
        <translation>Heu de seleccionar un usuari per poder tancar aquesta finestra.</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Ayuda de Quelvanto</source>
        <translation>Ajuda de Quelvanto</translation>
    </message>
    <message>
        <source>Abrir manual de Quelvanto</source>
        <translation>Obre el manual de Quelvanto</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
</context>
</TS>
