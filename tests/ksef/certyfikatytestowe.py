#!/usr/bin/env python3
"""KSeF certificates for the tests, written into DIR: python3 certyfikatytestowe.py DIR NIP PASSWORD

  ca.pem             the test CA the test server trusts
  ksef.p12           an "Authentication" certificate of the business NIP (RSA), with its key
  ksef.crt, ksef.key the same kind as a certificate and an encrypted PEM key (EC P-256)
  obcy.p12           a certificate with the NIP issued by another CA
  wygasly.p12        an expired one
  wkrotce.p12        one that expires in ten days
  bezklucza.p12      the certificate alone, without its key
  innynip.pem        a certificate of another NIP and its key in one PEM file
Like the Ministry's certificates they name their holder in the subject: a business through
organizationIdentifier VATPL-NIP, a person through serialNumber TINPL-NIP.
"""

import datetime
import os
import sys

from cryptography import x509
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec, rsa
from cryptography.hazmat.primitives.serialization import pkcs12
from cryptography.x509.oid import NameOID


def teraz():
    return datetime.datetime.now(datetime.timezone.utc)


def ca(nazwa):
    k = rsa.generate_private_key(public_exponent=65537, key_size=2048)
    n = x509.Name([x509.NameAttribute(NameOID.COUNTRY_NAME, "PL"), x509.NameAttribute(NameOID.COMMON_NAME, nazwa)])
    c = (x509.CertificateBuilder().subject_name(n).issuer_name(n).public_key(k.public_key())
         .serial_number(x509.random_serial_number())
         .not_valid_before(teraz() - datetime.timedelta(days=1)).not_valid_after(teraz() + datetime.timedelta(days=365))
         .add_extension(x509.BasicConstraints(ca=True, path_length=0), critical=True)
         .add_extension(x509.KeyUsage(digital_signature=False, content_commitment=False, key_encipherment=False,
                                      data_encipherment=False, key_agreement=False, key_cert_sign=True,
                                      crl_sign=True, encipher_only=False, decipher_only=False), critical=True)
         .sign(k, hashes.SHA256()))
    return k, c


def uwierzytelniajacy(wystawca, nip, klucz, osoba=False, od=None, do=None):
    k_ca, c_ca = wystawca
    if osoba:
        podmiot = [x509.NameAttribute(NameOID.GIVEN_NAME, "Jan"), x509.NameAttribute(NameOID.SURNAME, "Kowalski"),
                   x509.NameAttribute(NameOID.SERIAL_NUMBER, "TINPL-" + nip),
                   x509.NameAttribute(NameOID.COMMON_NAME, "Jan Kowalski")]
    else:
        podmiot = [x509.NameAttribute(NameOID.ORGANIZATION_NAME, "Firma testowa"),
                   x509.NameAttribute(x509.ObjectIdentifier("2.5.4.97"), "VATPL-" + nip),
                   x509.NameAttribute(NameOID.COMMON_NAME, "Firma testowa")]
    od = od or teraz() - datetime.timedelta(days=1)
    do = do or teraz() + datetime.timedelta(days=365)
    return (x509.CertificateBuilder().subject_name(x509.Name([x509.NameAttribute(NameOID.COUNTRY_NAME, "PL")] + podmiot))
            .issuer_name(c_ca.subject).public_key(klucz.public_key()).serial_number(x509.random_serial_number())
            .not_valid_before(od).not_valid_after(do)
            .add_extension(x509.KeyUsage(digital_signature=True, content_commitment=False, key_encipherment=False,
                                         data_encipherment=False, key_agreement=False, key_cert_sign=False,
                                         crl_sign=False, encipher_only=False, decipher_only=False), critical=True)
            .sign(k_ca, hashes.SHA256()))


def main():
    katalog, nip, haslo = sys.argv[1], sys.argv[2], sys.argv[3].encode()
    os.makedirs(katalog, exist_ok=True)

    def zapisz(nazwa, dane):
        sciezka = os.path.join(katalog, nazwa)
        with open(sciezka, "wb") as f:
            f.write(dane)
        os.chmod(sciezka, 0o600)

    szyfr = serialization.BestAvailableEncryption(haslo)
    nasz, obcy = ca("KSeF test CA"), ca("Inne CA")
    zapisz("ca.pem", nasz[1].public_bytes(serialization.Encoding.PEM))

    k = rsa.generate_private_key(public_exponent=65537, key_size=2048)
    zapisz("ksef.p12", pkcs12.serialize_key_and_certificates(b"ksef", k, uwierzytelniajacy(nasz, nip, k), None, szyfr))
    zapisz("bezklucza.p12",
           pkcs12.serialize_key_and_certificates(b"ksef", None, uwierzytelniajacy(nasz, nip, k), None, szyfr))

    e = ec.generate_private_key(ec.SECP256R1())
    zapisz("ksef.crt", uwierzytelniajacy(nasz, nip, e, osoba=True).public_bytes(serialization.Encoding.PEM))
    zapisz("ksef.key", e.private_bytes(serialization.Encoding.PEM, serialization.PrivateFormat.PKCS8, szyfr))

    zapisz("innynip.pem", uwierzytelniajacy(nasz, "1111111111", e).public_bytes(serialization.Encoding.PEM)
           + e.private_bytes(serialization.Encoding.PEM, serialization.PrivateFormat.TraditionalOpenSSL, szyfr))

    k = rsa.generate_private_key(public_exponent=65537, key_size=2048)
    zapisz("obcy.p12", pkcs12.serialize_key_and_certificates(b"ksef", k, uwierzytelniajacy(obcy, nip, k), None, szyfr))
    zapisz("wkrotce.p12", pkcs12.serialize_key_and_certificates(
        b"ksef", k, uwierzytelniajacy(nasz, nip, k, do=teraz() + datetime.timedelta(days=10)), None, szyfr))
    dawno = teraz() - datetime.timedelta(days=400)
    zapisz("wygasly.p12", pkcs12.serialize_key_and_certificates(
        b"ksef", k, uwierzytelniajacy(nasz, nip, k, od=dawno, do=dawno + datetime.timedelta(days=365)), None, szyfr))


if __name__ == "__main__":
    main()
