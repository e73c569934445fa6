#!/usr/bin/env python3
"""A KSeF API 2.0 server for the tests, on 127.0.0.1.

It does what the real one does to a client's data: serves its own freshly generated RSA key as
the public-key certificates, checks the challenge and the encrypted token, unwraps the session
key, decrypts every invoice, checks its hashes and sizes, validates it against the FA(3) schema,
assigns KSeF numbers (CRC-8) and writes UPOs. Its JSON follows open-api.json.

Misbehaviour the tests ask for:
  --limit N        more than N invoice sends within a second: 429 with Retry-After
  --access-uses N  an access token serves N requests, then 401 (a refresh gives a new one)
  --rotate         the key first served is withdrawn right after it was fetched (21470)
  --lose-send N    the answer to the Nth invoice send is lost (503) after the invoice was taken
  --zakupy N --wzor FILE  N purchase invoices (the context NIP as the buyer) made from a sample
  --w-toku N       an invoice's status stays 150 for its first N queries (each one reported)
  --zwloka-stanu S  every answer about an invoice's status comes S seconds late (reported)
  --ca FILE        the CA whose certificates may sign in with XAdES (verified by xmlsec1 --verify)
Prints "PORT n" once it listens; on exit (SIGTERM or stdin closed) nothing is kept.
"""

import argparse
import base64
import datetime
import hashlib
import json
import os
import re
import secrets
import subprocess
import sys
import tempfile
import threading
import time
import xml.etree.ElementTree as ET
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

from cryptography import x509
from cryptography.hazmat.primitives import hashes, padding, serialization
from cryptography.hazmat.primitives.asymmetric import padding as apadding
from cryptography.hazmat.primitives.asymmetric import rsa
from cryptography.hazmat.primitives.ciphers import Cipher, algorithms, modes
from cryptography.x509.oid import NameOID

FA = "{http://crd.gov.pl/wzor/2025/06/25/13775/}"
AUTH = "{http://ksef.mf.gov.pl/auth/token/2.0}"
DS = "{http://www.w3.org/2000/09/xmldsig#}"
XADES = "{http://uri.etsi.org/01903/v1.3.2#}"


def b64(b):
    return base64.b64encode(b).decode()


def sha_b64(b):
    return b64(hashlib.sha256(b).digest())


def now():
    return datetime.datetime.now(datetime.timezone.utc)


def iso(t):
    return t.isoformat(timespec="milliseconds")


def hexid(n):
    return secrets.token_hex(n).upper()


def numer_referencyjny(typ):
    return "%s-%s-%s-%s-%s" % (now().strftime("%Y%m%d"), typ, hexid(5), hexid(5), hexid(1))


def crc8(data):
    crc = 0
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = ((crc << 1) ^ 0x07) & 0xFF if crc & 0x80 else (crc << 1) & 0xFF
    return crc


def nip_z_certyfikatu(cert):
    """The NIP a KSeF certificate names its holder by: organizationIdentifier VATPL-..., or
    serialNumber TINPL-... of a person."""
    for oid, wzor in (("2.5.4.97", r"VATPL.*?(\d{10})"), ("2.5.4.5", r"(?:TINPL|NIP).*?(\d{10})")):
        for a in cert.subject.get_attributes_for_oid(x509.ObjectIdentifier(oid)):
            m = re.search(wzor, a.value)
            if m:
                return m.group(1)
    return None


class Klucz:
    def __init__(self):
        self.prywatny = rsa.generate_private_key(public_exponent=65537, key_size=2048)
        nazwa = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, "KSeF test")])
        od = now() - datetime.timedelta(days=1)
        cert = (x509.CertificateBuilder().subject_name(nazwa).issuer_name(nazwa)
                .public_key(self.prywatny.public_key()).serial_number(x509.random_serial_number())
                .not_valid_before(od).not_valid_after(od + datetime.timedelta(days=30))
                .sign(self.prywatny, hashes.SHA256()))
        self.der = cert.public_bytes(serialization.Encoding.DER)
        spki = self.prywatny.public_key().public_bytes(serialization.Encoding.DER,
                                                       serialization.PublicFormat.SubjectPublicKeyInfo)
        self.id = sha_b64(spki)
        self.od, self.do = od, od + datetime.timedelta(days=30)

    def odszyfruj(self, b):
        return self.prywatny.decrypt(b, apadding.OAEP(mgf=apadding.MGF1(algorithm=hashes.SHA256()),
                                                      algorithm=hashes.SHA256(), label=None))

    def opis(self):
        return {"certificate": b64(self.der), "certificateId": sha_b64(self.der), "publicKeyId": self.id,
                "validFrom": iso(self.od), "validTo": iso(self.do),
                "usage": ["KsefTokenEncryption", "SymmetricKeyEncryption"]}


class Blad(Exception):
    def __init__(self, http, kod=None, opis="", szczegoly=None, naglowki=None):
        super().__init__(opis)
        self.http, self.kod, self.opis = http, kod, opis
        self.szczegoly = szczegoly or []
        self.naglowki = naglowki or {}


class Stan:
    def __init__(self, a):
        self.a = a
        self.lock = threading.Lock()
        self.klucze = [Klucz()]
        self.wycofane = set()
        self.pobrano_klucze = 0
        self.wyzwania = {}     # challenge -> timestampMs
        self.logowania = {}    # reference -> dict
        self.dostep = {}       # access token -> uses left (None: unlimited)
        self.odswiezenie = {}  # refresh token -> auth reference
        self.sesje = {}        # reference -> dict(key, iv, invoices)
        self.numery = {}       # (nip, P_2) -> KSeF number
        self.wysylki = []      # times of invoice sends, for the rate limit
        self.liczba_wysylek = 0
        self.licznik = 0
        self.pobrania = []     # times of downloads, for the rate limit
        self.zakupy = []       # (metadata, xml) of purchase invoices, oldest first
        if a.zakupy:
            wzor = open(a.wzor, "rb").read()
            sprzedawca = re.search(rb"<Podmiot1>.*?<NIP>(\d+)</NIP>", wzor, re.S).group(1).decode()
            for i in range(a.zakupy):
                xml = re.sub(rb"(<Podmiot2>.*?<NIP>)\d+(</NIP>)", lambda m: m.group(1) + a.nip.encode() + m.group(2),
                             wzor, count=1, flags=re.S)
                xml = re.sub(rb"<P_2>[^<]*</P_2>", b"<P_2>ZAK/%d</P_2>" % (i + 1), xml, count=1)
                kiedy = now() - datetime.timedelta(minutes=a.zakupy - i)
                poczatek = "%s-%s-%012X" % (sprzedawca, kiedy.strftime("%Y%m%d"), 0x0200000000 + i)
                numer = "%s-%02X" % (poczatek, crc8(poczatek.encode()))
                m = {"ksefNumber": numer, "invoiceNumber": "ZAK/%d" % (i + 1), "issueDate": kiedy.date().isoformat(),
                     "invoicingDate": iso(kiedy), "acquisitionDate": iso(kiedy), "permanentStorageDate": iso(kiedy),
                     "seller": {"nip": sprzedawca, "name": "Dostawca"},
                     "buyer": {"identifier": {"type": "Nip", "value": a.nip}, "name": "Nabywca"},
                     "netAmount": 1, "grossAmount": 1, "vatAmount": 0, "currency": "PLN", "invoicingMode": "Online",
                     "invoiceType": "Vat", "formCode": {"systemCode": "FA (3)", "schemaVersion": "1-0E", "value": "FA"},
                     "isSelfInvoicing": False, "hasAttachment": False, "invoiceHash": sha_b64(xml)}
                self.zakupy.append((m, xml))


def zbuduj_upo(sesja, logowanie, f):
    ns = "http://upo.schematy.mf.gov.pl/KSeF/v4-3"
    e = lambda s: s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    # a certificate login is named by the hash of its signed document, a token login by its number
    if logowanie.get("skrot"):
        sposob = "<SkrotDokumentuUwierzytelniajacego>%s</SkrotDokumentuUwierzytelniajacego>" % logowanie["skrot"]
    else:
        sposob = "<NumerReferencyjnyTokenaKSeF>%s</NumerReferencyjnyTokenaKSeF>" % logowanie["ref"]
    return ("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
            "<Potwierdzenie xmlns=\"%s\">\n"
            "\t<NazwaPodmiotuPrzyjmujacego>Ministerstwo Finansów</NazwaPodmiotuPrzyjmujacego>\n"
            "\t<NumerReferencyjnySesji>%s</NumerReferencyjnySesji>\n"
            "\t<Uwierzytelnienie>\n\t\t<IdKontekstu>\n\t\t\t<Nip>%s</Nip>\n\t\t</IdKontekstu>\n"
            "\t\t%s\n\t</Uwierzytelnienie>\n"
            "\t<NazwaStrukturyLogicznej>Schemat_FA(3)_v1-0E.xsd</NazwaStrukturyLogicznej>\n"
            "\t<KodFormularza>FA (3)</KodFormularza>\n"
            "\t<Dokument>\n"
            "\t\t<NipSprzedawcy>%s</NipSprzedawcy>\n"
            "\t\t<NumerKSeFDokumentu>%s</NumerKSeFDokumentu>\n"
            "\t\t<NumerFaktury>%s</NumerFaktury>\n"
            "\t\t<DataWystawieniaFaktury>%s</DataWystawieniaFaktury>\n"
            "\t\t<DataPrzeslaniaDokumentu>%s</DataPrzeslaniaDokumentu>\n"
            "\t\t<DataNadaniaNumeruKSeF>%s</DataNadaniaNumeruKSeF>\n"
            "\t\t<SkrotDokumentu>%s</SkrotDokumentu>\n"
            "\t\t<TrybWysylki>Online</TrybWysylki>\n"
            "\t</Dokument>\n"
            "</Potwierdzenie>\n") % (ns, sesja, logowanie["nip"], sposob, f["nip"], f["ksefNumber"],
                                    e(f["numer"]), f["p1"], f["przyjeto"], f["nadano"], f["invoiceHash"])


def sprawdz_schemat(schemat, xml):
    with tempfile.NamedTemporaryFile(suffix=".xml", delete=False) as t:
        t.write(xml)
    try:
        r = subprocess.run(["xmllint", "--noout", "--schema", schemat, t.name], capture_output=True, text=True)
        return r.returncode == 0, r.stderr.replace(t.name, "faktura").strip().splitlines()
    finally:
        os.unlink(t.name)


class Obsluga(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    stan = None

    def log_message(self, *a):
        pass

    # ---- plumbing

    def odpowiedz(self, kod, tresc=None, typ="application/json", naglowki=None):
        dane = b""
        if tresc is not None:
            dane = tresc if isinstance(tresc, bytes) else json.dumps(tresc, ensure_ascii=False).encode()
        self.send_response(kod)
        for k, v in (naglowki or {}).items():
            self.send_header(k, v)
        if dane:
            self.send_header("Content-Type", typ)
        self.send_header("Content-Length", str(len(dane)))
        self.end_headers()
        self.wfile.write(dane)

    def blad(self, b):
        # what the tests check was really exercised
        print("ZDARZENIE %s %s" % (b.http, b.kod or ""), flush=True)
        if b.http == 429:
            tresc = {"status": {"code": 429, "description": "Too Many Requests", "details": b.szczegoly}}
        elif b.http == 401:
            tresc = None
        else:
            tresc = {"exception": {"exceptionDetailList": [{"exceptionCode": b.kod, "exceptionDescription": b.opis,
                                                              "details": b.szczegoly}],
                                   "serviceCode": hexid(8), "timestamp": iso(now())}}
        self.odpowiedz(b.http, tresc, naglowki=b.naglowki)

    def cialo(self):
        n = int(self.headers.get("Content-Length") or 0)
        dane = self.rfile.read(n) if n else b""
        try:
            return json.loads(dane) if dane else {}
        except ValueError:
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Treść żądania nie jest JSON."])

    def bearer(self):
        h = self.headers.get("Authorization", "")
        if not h.startswith("Bearer "):
            raise Blad(401)
        return h[7:]

    def dostep(self):
        s = self.stan
        t = self.bearer()
        with s.lock:
            if t not in s.dostep:
                raise Blad(401)
            left = s.dostep[t]
            if left is not None:
                if left <= 0:
                    raise Blad(401)
                s.dostep[t] = left - 1

    def klucz(self, publicKeyId):
        s = self.stan
        with s.lock:
            for k in s.klucze:
                if publicKeyId in (None, k.id) and k.id not in s.wycofane:
                    return k
        raise Blad(400, 21470, "Przesłany identyfikator klucza jest nieznany lub wskazuje na wycofany klucz.",
                   ["Klucz o identyfikatorze %s nie jest wspierany." % publicKeyId])

    def do_GET(self):
        self.obsluz("GET")

    def do_POST(self):
        self.obsluz("POST")

    def obsluz(self, metoda):
        sciezka = self.path.split("?")[0]
        if not sciezka.startswith("/v2/"):
            return self.odpowiedz(404)
        sciezka = sciezka[3:]
        for m, wzor, f in TRASY:
            g = re.fullmatch(wzor, sciezka)
            if m == metoda and g:
                try:
                    return f(self, *g.groups())
                except Blad as b:
                    return self.blad(b)
        self.odpowiedz(404)

    # ---- security and authentication

    def klucze(self):
        s = self.stan
        with s.lock:
            s.pobrano_klucze += 1
            obecne = [k.opis() for k in s.klucze if k.id not in s.wycofane]
            if s.a.rotate and s.pobrano_klucze == 1:
                # what was just handed out is withdrawn at once
                s.wycofane.add(s.klucze[0].id)
                s.klucze.append(Klucz())
        self.odpowiedz(200, obecne)

    def wyzwanie(self):
        self.cialo()
        t = now()
        ms = int(t.timestamp() * 1000)
        c = "%s-CR-%s-%s-%s" % (t.strftime("%Y%m%d"), hexid(5), hexid(5), hexid(1))
        with self.stan.lock:
            self.stan.wyzwania[c] = ms
        self.odpowiedz(200, {"challenge": c, "timestamp": iso(t), "timestampMs": ms, "clientIp": "127.0.0.1"})

    def logowanie_tokenem(self):
        s = self.stan
        c = self.cialo()
        for pole in ("challenge", "contextIdentifier", "encryptedToken"):
            if pole not in c:
                raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Brak pola %s." % pole])
        with s.lock:
            ms = s.wyzwania.pop(c["challenge"], None)
        if ms is None:
            raise Blad(400, 21111, "Nieprawidłowe wyzwanie autoryzacyjne.")
        k = self.klucz(c.get("publicKeyId"))
        try:
            jawny = k.odszyfruj(base64.b64decode(c["encryptedToken"], validate=True)).decode()
        except Exception:
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Nie można odszyfrować tokena."])
        ctx = c["contextIdentifier"]
        dobry = (jawny == "%s|%d" % (s.a.token, ms) and ctx.get("type") == "Nip" and ctx.get("value") == s.a.nip)
        ref = numer_referencyjny("AU")
        token = "auth-" + secrets.token_urlsafe(24)
        with s.lock:
            s.logowania[ref] = {"ref": ref, "token": token, "dobry": dobry, "sprawdzono": 0, "odebrano": False,
                                "nip": ctx.get("value", "")}
        self.odpowiedz(202, {"referenceNumber": ref, "authenticationToken": {"token": token,
                                                                              "validUntil": iso(now())}})

    def logowanie_xades(self):
        s = self.stan
        n = int(self.headers.get("Content-Length") or 0)
        dane = self.rfile.read(n) if n else b""
        if not s.a.ca:
            raise Blad(400, 21115, "Nieprawidłowy certyfikat.", ["Serwer nie zna żadnego CA."])
        try:
            root = ET.fromstring(dane)
        except ET.ParseError:
            raise Blad(400, 21001, "Nieczytelna treść.")
        if root.tag != AUTH + "AuthTokenRequest":
            raise Blad(400, 21401, "Dokument nie jest zgodny ze schemą (xsd).", ["Oczekiwano AuthTokenRequest."])
        podpisy = root.findall(DS + "Signature")
        if not podpisy:
            raise Blad(400, 9102, "Brak podpisu.")
        if len(podpisy) > 1:
            raise Blad(400, 9103, "Przekroczona liczba dozwolonych podpisów.")
        with s.lock:
            ms = s.wyzwania.pop(root.findtext(AUTH + "Challenge") or "", None)
        if ms is None:
            raise Blad(400, 21111, "Nieprawidłowe wyzwanie autoryzacyjne.")
        nip = root.findtext(AUTH + "ContextIdentifier/" + AUTH + "Nip")
        if root.findtext(AUTH + "SubjectIdentifierType") not in ("certificateSubject", "certificateFingerprint"):
            raise Blad(400, 21401, "Dokument nie jest zgodny ze schemą (xsd).", ["Nieznany SubjectIdentifierType."])
        der, odmowa = self.sprawdz_xades(podpisy[0], dane)
        cert = x509.load_der_x509_certificate(der)
        if odmowa is None and (nip_z_certyfikatu(cert) != nip or nip != s.a.nip):
            odmowa = {"code": 415, "description": "Uwierzytelnianie zakończone niepowodzeniem",
                      "details": ["Brak przypisanych uprawnień"]}
        ref = numer_referencyjny("AU")
        token = "auth-" + secrets.token_urlsafe(24)
        print("ZDARZENIE xades %s" % (odmowa["code"] if odmowa else 200), flush=True)
        with s.lock:
            s.logowania[ref] = {"ref": ref, "token": token, "dobry": odmowa is None, "odmowa": odmowa,
                                "sprawdzono": 0, "odebrano": False, "nip": nip or "", "certyfikat": True,
                                "skrot": sha_b64(dane)}
        self.odpowiedz(202, {"referenceNumber": ref, "authenticationToken": {"token": token,
                                                                              "validUntil": iso(now())}})

    def sprawdz_xades(self, podpis, dane):
        """The certificate (DER) of an XAdES-BES signature that holds, and the refusal of the login
        (None) when its certificate is not of the test CA; 400 as KSeF answers when it does not hold."""
        def zly(*szczegoly):
            return Blad(400, 9105, "Nieprawidłowy podpis.", list(szczegoly))
        wlasciwosci = podpis.find("%sObject/%sQualifyingProperties/%sSignedProperties" % (DS, XADES, XADES))
        if wlasciwosci is None:
            raise zly("Brak SignedProperties (XAdES-BES).")
        # the document itself and the signed properties, nothing else
        odwolania = sorted((r.get("URI"), r.get("Type")) for r in podpis.findall(DS + "SignedInfo/" + DS + "Reference"))
        if odwolania != [("", None), ("#" + (wlasciwosci.get("Id") or ""), "http://uri.etsi.org/01903#SignedProperties")]:
            raise zly("Podpis musi obejmować cały dokument i SignedProperties.")
        try:
            der = base64.b64decode("".join(podpis.findtext(DS + "KeyInfo/" + DS + "X509Data/" + DS
                                                           + "X509Certificate").split()))
            cert = x509.load_der_x509_certificate(der)
        except Exception:
            raise Blad(400, 21115, "Nieprawidłowy certyfikat.")
        sc = wlasciwosci.find(XADES + "SignedSignatureProperties/" + XADES + "SigningCertificate/" + XADES + "Cert")
        try:
            skrot = base64.b64decode(sc.findtext(XADES + "CertDigest/" + DS + "DigestValue"))
            metoda = sc.find(XADES + "CertDigest/" + DS + "DigestMethod").get("Algorithm")
            numer = int(sc.findtext(XADES + "IssuerSerial/" + DS + "X509SerialNumber"))
            wystawca = sc.findtext(XADES + "IssuerSerial/" + DS + "X509IssuerName")
            czas = datetime.datetime.fromisoformat(
                wlasciwosci.findtext(XADES + "SignedSignatureProperties/" + XADES + "SigningTime").replace("Z", "+00:00"))
        except Exception:
            raise zly("Niepełne SignedProperties.")
        if metoda != "http://www.w3.org/2001/04/xmlenc#sha256" or skrot != hashlib.sha256(der).digest():
            raise zly("Skrót certyfikatu w SignedProperties nie zgadza się z certyfikatem podpisu.")
        if numer != cert.serial_number or wystawca.replace(" ", "") != cert.issuer.rfc4514_string().replace(" ", ""):
            raise zly("IssuerSerial w SignedProperties nie zgadza się z certyfikatem podpisu.")
        if abs((now() - czas).total_seconds()) > 300:
            raise zly("Czas podpisu %s odbiega od czasu serwera." % iso(czas))
        with tempfile.NamedTemporaryFile(suffix=".xml", delete=False) as t:
            t.write(dane)
        try:
            def xmlsec(*opcje):
                return subprocess.run(["xmlsec1", "--verify", "--id-attr:Id", "SignedProperties"] + list(opcje)
                                      + [t.name], capture_output=True).returncode == 0
            if xmlsec("--trusted-pem", self.stan.a.ca):
                return der, None
            # KSeF takes a sound signature of a certificate it does not trust, then refuses the login
            if xmlsec("--insecure"):
                return der, {"code": 460, "description": "Uwierzytelnianie zakończone niepowodzeniem z powodu "
                                                         "błędu certyfikatu",
                             "details": ["Niezaufany łańcuch certyfikatów"]}
            raise zly("Podpis nie zgadza się z treścią dokumentu.")
        finally:
            os.unlink(t.name)

    def logowanie_z_tokenu(self, ref=None):
        t = self.bearer()
        with self.stan.lock:
            for l in self.stan.logowania.values():
                if l["token"] == t and (ref is None or l["ref"] == ref):
                    return l
        raise Blad(401)

    def stan_logowania(self, ref):
        l = self.logowanie_z_tokenu(ref)
        l["sprawdzono"] += 1
        if l["sprawdzono"] == 1:
            st = {"code": 100, "description": "Uwierzytelnianie w toku"}
        elif l["dobry"]:
            st = {"code": 200, "description": "Uwierzytelnianie zakończone sukcesem"}
        elif l.get("odmowa"):
            st = l["odmowa"]
        else:
            st = {"code": 450, "description": "Uwierzytelnianie zakończone niepowodzeniem z powodu błędnego tokenu",
                  "details": ["Nieprawidłowy token."]}
        if l.get("certyfikat"):
            metoda = {"authenticationMethod": "InternalCertificate",
                      "authenticationMethodInfo": {"category": "XadesSignature", "code": "certificate.ksef",
                                                   "displayName": "Certyfikat KSeF"}}
        else:
            metoda = {"authenticationMethod": "Token",
                      "authenticationMethodInfo": {"category": "Token", "code": "token.ksef",
                                                   "displayName": "Token KSeF"}}
        self.odpowiedz(200, dict(startDate=iso(now()), status=st, **metoda))

    def nowy_dostep(self):
        t = "access-" + secrets.token_urlsafe(24)
        self.stan.dostep[t] = self.stan.a.access_uses
        return {"token": t, "validUntil": iso(now() + datetime.timedelta(minutes=15))}

    def odbierz_tokeny(self):
        l = self.logowanie_z_tokenu()
        with self.stan.lock:
            if not l["dobry"] or l["sprawdzono"] < 2 or l["odebrano"]:
                raise Blad(400, 21301, "Brak autoryzacji.", ["Tokeny zostały już pobrane albo logowanie trwa."])
            l["odebrano"] = True
            odsw = "refresh-" + secrets.token_urlsafe(24)
            self.stan.odswiezenie[odsw] = l["ref"]
            w = {"accessToken": self.nowy_dostep(),
                 "refreshToken": {"token": odsw, "validUntil": iso(now() + datetime.timedelta(days=7))}}
        self.odpowiedz(200, w)

    def odswiez(self):
        t = self.bearer()
        with self.stan.lock:
            if t not in self.stan.odswiezenie:
                raise Blad(401)
            w = {"accessToken": self.nowy_dostep()}
        self.odpowiedz(200, w)

    # ---- online session

    def otworz_sesje(self):
        self.dostep()
        c = self.cialo()
        fc = c.get("formCode") or {}
        if (fc.get("systemCode"), fc.get("schemaVersion"), fc.get("value")) != ("FA (3)", "1-0E", "FA"):
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Nieobsługiwany formCode."])
        e = c.get("encryption") or {}
        k = self.klucz(e.get("publicKeyId"))
        try:
            klucz = k.odszyfruj(base64.b64decode(e["encryptedSymmetricKey"], validate=True))
            iv = base64.b64decode(e["initializationVector"], validate=True)
        except Exception:
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Nie można odszyfrować klucza sesji."])
        if len(klucz) != 32 or len(iv) != 16:
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Klucz AES-256 i wektor 16 bajtów."])
        ref = numer_referencyjny("SO")
        auth = next(iter(self.stan.logowania.values()))
        with self.stan.lock:
            self.stan.sesje[ref] = {"klucz": klucz, "iv": iv, "faktury": {}, "otwarta": True, "auth": auth}
        self.odpowiedz(201, {"referenceNumber": ref,
                             "validUntil": iso(now() + datetime.timedelta(hours=12))})

    def sesja(self, ref):
        with self.stan.lock:
            if ref not in self.stan.sesje:
                raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Nieznana sesja %s." % ref])
            return self.stan.sesje[ref]

    def wyslij(self, ref):
        s = self.stan
        self.dostep()
        c = self.cialo()
        se = self.sesja(ref)
        with s.lock:
            t = time.monotonic()
            s.wysylki = [x for x in s.wysylki if t - x < 1.0]
            if s.a.limit and len(s.wysylki) >= s.a.limit:
                raise Blad(429, szczegoly=["Przekroczono limit %d żądań na sekundę." % s.a.limit],
                           naglowki={"Retry-After": "1"})
            s.wysylki.append(t)
            s.liczba_wysylek += 1
            numer_wysylki = s.liczba_wysylek
        if not se["otwarta"]:
            raise Blad(400, 21180, "Status sesji nie pozwala na wykonanie operacji.")
        try:
            szyfr = base64.b64decode(c["encryptedInvoiceContent"], validate=True)
        except Exception:
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["encryptedInvoiceContent nie jest Base64."])
        zle = []
        if len(szyfr) != c.get("encryptedInvoiceSize"):
            zle.append("encryptedInvoiceSize")
        if sha_b64(szyfr) != c.get("encryptedInvoiceHash"):
            zle.append("encryptedInvoiceHash")
        if zle:
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Niezgodne: " + ", ".join(zle)])
        fref = numer_referencyjny("EE")
        f = {"referenceNumber": fref, "invoiceHash": c.get("invoiceHash"), "invoicingDate": iso(now()),
             "sprawdzono": 0, "status": {"code": 150, "description": "Trwa przetwarzanie"}}
        try:
            d = Cipher(algorithms.AES(se["klucz"]), modes.CBC(se["iv"])).decryptor()
            u = padding.PKCS7(128).unpadder()
            xml = u.update(d.update(szyfr) + d.finalize()) + u.finalize()
        except Exception:
            xml = None
        if xml is None:
            f["status"] = {"code": 435, "description": "Błąd odszyfrowania pliku"}
        elif len(xml) != c.get("invoiceSize") or sha_b64(xml) != c.get("invoiceHash"):
            f["status"] = {"code": 430, "description": "Błąd weryfikacji pliku faktury",
                           "details": ["Skrót albo rozmiar faktury nie zgadza się z jej treścią."]}
        else:
            # validated and numbered later, as KSeF does while the status says 150
            f["xml"] = xml
        with s.lock:
            f["ordinalNumber"] = len(se["faktury"]) + 1
            se["faktury"][fref] = f
        print("ZDARZENIE faktura %s" % c.get("invoiceHash"), flush=True)
        if s.a.lose_send and numer_wysylki == s.a.lose_send:
            print("ZDARZENIE utracona", flush=True)
            return self.odpowiedz(503, {"status": {"code": 503, "description": "Service Unavailable"}})
        self.odpowiedz(202, {"referenceNumber": fref})

    def przetworz(self, f):
        with self.stan.lock:
            xml = f.pop("xml", None)
        if xml is not None:
            f.update(self.przyjmij(xml))

    def przyjmij(self, xml):
        s = self.stan
        ok, bledy = sprawdz_schemat(s.a.schema, xml)
        if not ok:
            return {"status": {"code": 430, "description": "Błąd weryfikacji pliku faktury", "details": bledy}}
        root = ET.fromstring(xml)
        nip = root.findtext(FA + "Podmiot1/" + FA + "DaneIdentyfikacyjne/" + FA + "NIP")
        numer = root.findtext(FA + "Fa/" + FA + "P_2")
        p1 = root.findtext(FA + "Fa/" + FA + "P_1")
        if nip != s.a.nip:
            return {"status": {"code": 410, "description": "Nieprawidłowy zakres uprawnień",
                               "details": ["Brak uprawnień do wystawiania faktur w imieniu %s." % nip]}}
        if p1 > now().date().isoformat():
            return {"status": {"code": 450, "description": "Błąd weryfikacji semantyki dokumentu faktury",
                               "details": ["Data wystawienia faktury (P_1) %s jest późniejsza niż data jej "
                                           "przyjęcia." % p1]}}
        with s.lock:
            if (nip, numer) in s.numery:
                ks = s.numery[(nip, numer)]
                return {"status": {"code": 440, "description": "Duplikat faktury",
                                   "details": ["Duplikat faktury. Faktura o numerze KSeF: %s została już "
                                               "prawidłowo przesłana do systemu." % ks],
                                   "extensions": {"originalKsefNumber": ks}}}
            s.licznik += 1
            srodek = "%012X" % (0x0100000000 + s.licznik)
            poczatek = "%s-%s-%s" % (nip, now().strftime("%Y%m%d"), srodek)
            ks = "%s-%02X" % (poczatek, crc8(poczatek.encode()))
            s.numery[(nip, numer)] = ks
        t = iso(now())
        return {"status": {"code": 200, "description": "Sukces"}, "ksefNumber": ks, "invoiceNumber": numer,
                "acquisitionDate": t, "nip": nip, "numer": numer, "p1": p1, "przyjeto": t, "nadano": t}

    def stan_faktury(self, ref, fref):
        self.dostep()
        if self.stan.a.zwloka_stanu:
            print("ZDARZENIE stan wstrzymany", flush=True)
            time.sleep(self.stan.a.zwloka_stanu)
        se = self.sesja(ref)
        f = se["faktury"].get(fref)
        if f is None:
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Nieznana faktura %s." % fref])
        f["sprawdzono"] += 1
        self.przetworz(f)
        if f["sprawdzono"] == 1:
            st = {"code": 150, "description": "Trwa przetwarzanie"}
        elif f["sprawdzono"] <= self.stan.a.w_toku:
            print("ZDARZENIE w toku", flush=True)
            st = {"code": 150, "description": "Trwa przetwarzanie"}
        else:
            st = f["status"]
        w = {k: f[k] for k in ("ordinalNumber", "referenceNumber", "invoiceHash", "invoicingDate") if k in f}
        if st["code"] == 200:
            w.update({k: f[k] for k in ("ksefNumber", "invoiceNumber", "acquisitionDate")})
        w["status"] = st
        self.odpowiedz(200, w)

    def upo(self, ref, fref):
        self.dostep()
        se = self.sesja(ref)
        f = se["faktury"].get(fref)
        if f is not None:
            self.przetworz(f)
        if f is None or f["status"]["code"] != 200:
            raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Brak UPO dla %s." % fref])
        x = zbuduj_upo(ref, se["auth"], f).encode()
        self.odpowiedz(200, x, "application/xml", {"x-ms-meta-hash": sha_b64(x)})

    def faktury_sesji(self, ref):
        self.dostep()
        se = self.sesja(ref)
        for f in list(se["faktury"].values()):
            self.przetworz(f)
        w = [{k: f[k] for k in ("ordinalNumber", "referenceNumber", "invoiceHash", "invoicingDate", "status")}
             for f in se["faktury"].values()]
        self.odpowiedz(200, {"invoices": w})

    def zamknij(self, ref):
        self.dostep()
        self.sesja(ref)["otwarta"] = False
        self.odpowiedz(204)


def _zapytanie(self):
    s = self.stan
    self.dostep()
    c = self.cialo()
    q = dict(x.split("=", 1) for x in self.path.split("?", 1)[1].split("&")) if "?" in self.path else {}
    strona, rozmiar = int(q.get("pageOffset", 0)), int(q.get("pageSize", 10))
    if not 10 <= rozmiar <= 250:
        raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["pageSize od 10 do 250."])
    zakres = c.get("dateRange") or {}
    if c.get("subjectType") != "Subject2" or zakres.get("dateType") != "PermanentStorage":
        raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Serwer testowy zna tylko zakupy."])
    od = datetime.datetime.fromisoformat(zakres["from"])
    do = datetime.datetime.fromisoformat(zakres["to"]) if zakres.get("to") else now()
    pasujace = [m for m, _ in s.zakupy if od <= datetime.datetime.fromisoformat(m["permanentStorageDate"]) <= do]
    kawalek = pasujace[strona * rozmiar:(strona + 1) * rozmiar]
    self.odpowiedz(200, {"hasMore": (strona + 1) * rozmiar < len(pasujace), "isTruncated": False,
                         "invoices": kawalek})


def _pobierz(self, numer):
    s = self.stan
    self.dostep()
    with s.lock:
        t = time.monotonic()
        s.pobrania = [x for x in s.pobrania if t - x < 1.0]
        if s.a.limit and len(s.pobrania) >= s.a.limit:
            raise Blad(429, szczegoly=["Przekroczono limit pobrań."], naglowki={"Retry-After": "1"})
        s.pobrania.append(t)
    for m, xml in s.zakupy:
        if m["ksefNumber"] == numer:
            print("ZDARZENIE pobrano %s" % numer, flush=True)
            return self.odpowiedz(200, xml, "application/xml", {"x-ms-meta-hash": sha_b64(xml)})
    raise Blad(400, 21405, "Błąd walidacji danych wejściowych.", ["Nie ma faktury %s." % numer])


Obsluga.zapytanie = _zapytanie
Obsluga.pobierz = _pobierz

TRASY = [
    ("POST", r"/invoices/query/metadata", Obsluga.zapytanie),
    ("GET", r"/invoices/ksef/([0-9A-F-]+)", Obsluga.pobierz),
    ("GET", r"/security/public-key-certificates", Obsluga.klucze),
    ("POST", r"/auth/challenge", Obsluga.wyzwanie),
    ("POST", r"/auth/ksef-token", Obsluga.logowanie_tokenem),
    ("POST", r"/auth/xades-signature", Obsluga.logowanie_xades),
    ("POST", r"/auth/token/redeem", Obsluga.odbierz_tokeny),
    ("POST", r"/auth/token/refresh", Obsluga.odswiez),
    ("GET", r"/auth/([0-9A-Z-]+)", Obsluga.stan_logowania),
    ("POST", r"/sessions/online", Obsluga.otworz_sesje),
    ("POST", r"/sessions/online/([0-9A-Z-]+)/invoices", Obsluga.wyslij),
    ("POST", r"/sessions/online/([0-9A-Z-]+)/close", Obsluga.zamknij),
    ("GET", r"/sessions/([0-9A-Z-]+)/invoices/([0-9A-Z-]+)/upo", Obsluga.upo),
    ("GET", r"/sessions/([0-9A-Z-]+)/invoices/([0-9A-Z-]+)", Obsluga.stan_faktury),
    ("GET", r"/sessions/([0-9A-Z-]+)/invoices", Obsluga.faktury_sesji),
]


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--schema", required=True)
    p.add_argument("--nip", required=True)
    p.add_argument("--token", required=True)
    p.add_argument("--limit", type=int, default=0)
    p.add_argument("--access-uses", type=int, default=None)
    p.add_argument("--rotate", action="store_true")
    p.add_argument("--lose-send", type=int, default=0)
    p.add_argument("--zakupy", type=int, default=0)
    p.add_argument("--wzor")
    p.add_argument("--w-toku", type=int, default=0)
    p.add_argument("--zwloka-stanu", type=int, default=0)
    p.add_argument("--ca")
    a = p.parse_args()
    Obsluga.stan = Stan(a)
    srv = ThreadingHTTPServer(("127.0.0.1", 0), Obsluga)
    srv.daemon_threads = True
    print("PORT %d" % srv.server_address[1], flush=True)
    # the test ends the server by closing its stdin (or killing it)
    threading.Thread(target=lambda: (sys.stdin.read(), srv.shutdown()), daemon=True).start()
    srv.serve_forever()


if __name__ == "__main__":
    main()
